#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <set>

#include "cards/Card.h"
#include "cards/CardNames.h"
#include "game/GameEngine.h"
#include "game/RecordingHost.h"
#include "support/QtPrinters.h"
#include "support/TableArranger.h"

// An engine on a recording host, on a 1024 x 768 table, started as the
// program starts it, with a fixed seed for every shuffle.
class EngineTest : public ::testing::Test {
 protected:
  EngineTest() : Engine(Host, Random) {
    Random.SetSeedSource([] { return 20261208u; });
    Engine.ResizeTable(QSize(1024, 768));
    Engine.EngineStart();
  }

  // Lays out a table by hand (see ArrangeTable).
  void Arrange(const std::vector<QString>& columns, const QStringList& home = {}) {
    ArrangeTable(Engine, columns, home);
  }

  TCard* At(int c, int r) const { return Engine.Table.Slot(c, r); }
  QString NameAt(int c, int r) const { return At(c, r) ? At(c, r)->Name : QStringLiteral("--"); }
  QStringList ColumnNames(int c) const {
    QStringList names;
    for (int r = 0; At(c, r) != nullptr; ++r)
      names << (At(c, r)->FaceUp ? "" : "-") + At(c, r)->Name;
    return names;
  }
  std::vector<QStringList> AllColumns() const {
    std::vector<QStringList> columns;
    for (int c = 0; c < Columns; ++c)
      columns.push_back(ColumnNames(c));
    return columns;
  }
  // The middle of slot r's visible strip in column c (the top card: its middle).
  QPoint PointOn(int c, int r) const {
    const QPoint slot = Engine.SlotPoint(c, r);
    const bool top = r >= Engine.Table.LastRow(c);
    const int dy =
        top ? Engine.Deck().CardHeight() / 2 : Engine.PileStep[static_cast<size_t>(c)] / 2;
    return slot + QPoint(Engine.Deck().CardWidth() / 2, dy);
  }
  QPoint HomeCentre(int p) const {
    return Engine.HomePoint(p) +
           QPoint(Engine.Deck().CardWidth() / 2, Engine.Deck().CardHeight() / 2);
  }
  QPoint StockCentre() const { return Engine.DealRect.center(); }
  void Click(QPoint p, int buttons = mbLeft) {
    Engine.TableMouseDown(buttons, p.x(), p.y());
    Engine.TableMouseUp(p.x(), p.y());
  }
  // Two clicks: a pick and a destination.
  void Move(QPoint from, QPoint to) {
    Click(from);
    Click(to);
  }
  void Drag(QPoint from, QPoint to, int moves = 15) {
    Engine.TableMouseDown(mbLeft, from.x(), from.y());
    for (int i = 1; i <= moves; ++i) {
      const QPoint p = from + (to - from) * i / moves;
      Engine.TableMouseMove(p.x(), p.y());
    }
    Engine.TableMouseUp(to.x(), to.y());
  }
  void ExpectEveryCardOnce() const { ::ExpectEveryCardOnce(Engine); }
  QString Error() const { return Host.Panel(ErrorDis); }

  TRecordingHost Host;
  TRandom Random;
  TGameEngine Engine;
};
