#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <functional>
#include <vector>

class TGameEngine;
class TTableImage;

// The card table as screen readers see it: a list of the places of the
// table, the stock, the ten columns and the eight home piles in the order
// the keyboard frame walks them, each named with what it holds. The framed
// place is the focused child while the table has the keyboard focus.
class TTableAccessible : public QAccessibleWidget {
 public:
  explicit TTableAccessible(TTableImage* table);
  ~TTableAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QString text(QAccessible::Text t) const override;

  TTableImage* Table() const;
  const TGameEngine* Engine() const;

 private:
  mutable std::vector<QAccessible::Id> FChildren;
};

// Installs the factory that makes a TTableAccessible for the table; once
// per program, later calls do nothing.
void InstallTableAccessibility();

// Where the table's events go: to the platform's screen reader bridge, or,
// once set, only here (as if a screen reader listened). Empty: the platform.
using TAccessibleEventSink = std::function<void(QAccessibleEvent& event)>;
void SetAccessibleEventSink(TAccessibleEventSink sink);

// Tells screen readers what changed on the table since it last told them:
// a place's name, the framed place while the table has the focus, and what
// the frame holds. Does nothing while no screen reader listens.
class TTableAnnouncer {
 public:
  explicit TTableAnnouncer(TTableImage& table) : FTable(table) {}
  void Update();

 private:
  TTableImage& FTable;
  std::vector<QString> FNames;
  int FFocused = -1;
  QString FDescription;
};
