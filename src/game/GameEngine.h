#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cards/Deck.h"
#include "cards/RepaintTracker.h"
#include "game/GameHost.h"
#include "game/GameTypes.h"
#include "game/KeyFocus.h"

struct TSavedGame;

// Called with the percentage read so far while a saved game loads.
using ProgressProc = std::function<void(int)>;

// The one table of the game: the deck, the columns and home piles, the
// counters, the undo ring and the game-start snapshot, the selection of the
// mouse play and the layout, with every operation on them. It paints into
// its own table picture and reaches the window only through its host.
class TCanvas;

class TGameEngine {
 public:
  static constexpr int MinPileStep = 3;

  // `pixelRatio`: the screen's device pixel ratio the table is first drawn at
  // (see SetPixelRatio).
  explicit TGameEngine(TGameHost& host, TRandom& random = TRandom::Program(),
                       double pixelRatio = 1.0);
  ~TGameEngine();
  TGameEngine(const TGameEngine&) = delete;
  TGameEngine& operator=(const TGameEngine&) = delete;

  // Start-up and snapshots.
  void EngineStart();
  void SaveItem(TUndoItem& item) const;
  void RestoreItem(const TUndoItem& item);

  // Dealing.
  void NewGame();
  void DealRow();
  void DealOneCard(int c, int r, bool up);
  void ReplayGame();
  void GatherCards();

  // Game commands: the questions before a new deal or a replay. No command
  // that asks a question or changes the table starts while a deal or an undo
  // lets events through, while cards hang on the pointer or while the winner
  // celebration runs.
  bool CanStartCommand() const { return !Busy && !Dragging && !FHost.FireworksRunning(); }
  void PromptNewGame();
  void PromptReplay();

  // Saved games. SaveGameFile and LoadGameFile throw on failure, the reason
  // in the error's text; a load that fails changes nothing at all.
  bool SaveGameFile(const QString& fileName);
  std::string SaveGameDocument();
  void LoadGameFile(const QString& fileName, const ProgressProc& progress = {});
  void LoadGameDocument(const char* data, size_t size, const ProgressProc& progress = {});
  // The save and load commands: they ask through the host and show a
  // failure there. None starts while CanStartCommand() is false.
  bool NoGameToSave();
  void SaveGameCommand();
  void SaveGameAsCommand();
  void LoadGameCommand();
  bool SaveGameAs();
  bool SaveGameTo(const QString& fileName);
  bool LoadGameWithProgress(const QString& fileName);
  // The close question; false keeps the window open.
  bool QueryClose();

  // Move rules.
  bool IsRun(int c, int r) const;
  bool IsFullSuit(int c) const;

  // Mouse play.
  void TableMouseDown(int buttons, int x, int y);
  void TableMouseMove(int x, int y);
  void TableMouseUp(int x, int y);
  TTablePos HitTest(int x, int y) const;
  void ClickAt(int x, int y);
  void TableClick(int x, int y);
  void PickSource();
  void CollectRun(const TTablePos& p);

  // Moves and undo.
  void PlaceSelection();
  int MoveRun(const TTablePos& source, const TTablePos& dest);
  bool MoveSuitHome(const TTablePos& source, const TTablePos& dest);
  void MoveCardHome(TCard& card, int cs, int slot, int i, int h);
  void PushUndo();
  void ResetUndo();
  bool UndoMove();
  void AnimateUndo();

  // Redo (Redo.cpp): the steps taken back by undo, the latest last. Redo
  // puts the table back as it was before the latest undo; any new step (a
  // move, a row deal, a new game, a replay or a load) empties the list.
  bool RedoMove();
  bool CanRedo() const { return !RedoList.empty(); }
  std::vector<TUndoItem> RedoList;

  // Game numbers (GameNumbers.cpp): every deal is numbered by the seed its
  // shuffle took, and the same number deals the same table again. A replay
  // keeps the number; a loaded game has none.
  std::optional<uint32_t> GameNumber;
  void DealNumberedGame(uint32_t number);

  // Suits (Suits.cpp): the game on the table is dealt in Suits suits (1, 2
  // or 4); a new game is dealt in NextSuits. Replay keeps the suits, a
  // loaded game has those of its file.
  int Suits = 4;
  int NextSuits = 4;
  void ApplySuits(int suits);

  // Statistics (GameResults.cpp): a game counts once, when it is won or
  // when it is left unfinished after a step (a move or a row deal): by a new
  // game, a replay, a load, or when the program ends, which calls
  // CountLeftGame. A replay and a load start a new count; a loaded game that
  // was played before it was saved counts even without a step since.
  void CountLeftGame();

  // Auto-move.
  void AutoMove(int c);
  std::pair<int, int> RunStart(int c) const;
  int FindSameSuitTarget(int c, const TCard& p) const;
  int FindAnyTarget(int c, const TCard& p) const;

  // Score and status.
  int32_t GameScore() const;
  void UpdateStatus();
  void ShowPrompt(const QString& text);
  void ShowError(const QString& text);
  void FlashMessage(const QString& text, int halfMs, int totalMs, QRgb first, QRgb second);
  void SetGameClock(bool on);

  // Layout and drawing.
  void ApplyCardSize(bool small);
  void Relayout();
  // Paints what changed since the last frame (full) and shows it, or only
  // shows what was drawn straight onto the picture (not full).
  void Redraw(bool full);
  void ShowChanges();
  // The empty-place markers, within the `uncovered` pixels of the canvas.
  void DrawPlaces(TCanvas& canvas, std::span<const Raster::TSpan> uncovered) const;
  // The table's size in window pixels.
  void ResizeTable(QSize size);
  // The screen's device pixel ratio: the table picture and the card pictures
  // are drawn with that many pixels per table pixel, so that they are crisp
  // on the screen; every position, size and hit test stays in table pixels.
  void SetPixelRatio(double ratio);
  // Fitted cards: a window's table larger than 801 x 472 shows the whole
  // layout larger, LayoutScale() window pixels per table pixel (see
  // FitScale), and the 801 pixels of the layout centred. Off, a table pixel
  // is a window pixel, as it is at 801 x 472 either way.
  void SetFitCards(bool on);
  bool FitCards() const { return FFitCards; }
  double LayoutScale() const { return FLayoutScale; }
  // The scale for a window's table of that size: the smaller of width / 801
  // and height / 472, rounded down to eighths, at least 1, and no more than
  // keeps the card pictures within TPixelScale::MaxRatio on that screen.
  static double FitScale(QSize windowTable, double screenRatio = 1.0);
  QSize WindowSize() const { return FWindowSize; }
  // The table in table pixels: where every position, size and hit test lies.
  QSize TableSize() const { return FTableSize; }
  QRect TableRect() const { return {QPoint(), FTableSize}; }
  QPoint SlotPoint(int c, int r) const;
  QPoint HomePoint(int p) const;
  int HomeAt(QPoint point) const;
  int ColumnAt(int x) const;

  // The table state, readable by the dialogs.
  TDeck& Deck() { return *FDeck; }
  const TDeck& Deck() const { return *FDeck; }
  // The table picture: WindowSize() times the screen's pixel ratio, which it
  // carries; the table is drawn on it at LayoutScale() times that ratio.
  // It is kept by default. A window that paints the table straight from its
  // state (PaintPixels) turns it off, and then a picture exists only while
  // the celebration draws on one (HoldTablePicture), until RepaintAll.
  void SetKeepPicture(bool keep);
  // The table as shown: the picture, or a full repaint when none is kept.
  QImage TablePicture() const;
  // The picture there is (null while none is kept or held).
  const QImage& KeptPicture() const { return FTablePicture; }
  // A picture of the whole table to draw on, painted now if none is kept.
  QImage& HoldTablePicture();
  // Paints the table's pixels from `origin` on (device pixels of the
  // window's table) into `piece`, as the picture would hold them, a card
  // that is turning over included.
  void PaintPixels(QImage& piece, QPoint origin) const;
  RefreshProc Refresh() {
    return [this](bool full) { Redraw(full); };
  }
  // Shows a frame that was held back because the host had just shown one
  // (TGameHost::FrameDue): what changed since the table was last shown.
  void ShowHeldFrame();
  bool FrameHeld() const { return FFrameHeld; }
  // The table painted afresh in full, as a frame must look after Redraw.
  QImage PaintedInFull() const;
  // Makes the next Redraw paint the whole table (after something else drew
  // on it), and lets a held picture go.
  void RepaintAll();
  // A debug switch: every frame repaints and shows the whole table.
  bool FullRepaints = false;
  // True while a card turns over straight on the picture (or on its piece of
  // the table, with no picture kept), between frames that are not complete
  // tables.
  bool DrawingDirect() const { return !FDirectArea.isNull(); }

  TTable Table;
  int32_t CardCounter = 0;
  int32_t DealCount = 0;
  int32_t MoveCount = 0;
  int32_t SuitStreak = 0;
  uint8_t GameState = gsNoGame;
  bool CardsDealt = false;
  bool Busy = false;

  std::vector<TUndoItem> UndoBuffer;  // the ring; grows to UndoSize as records are pushed
  int UndoIndex = 0;
  int UndoFloor = 0;
  TUndoItem GameStart;

  std::array<TTablePos, 2> Selection{};
  int32_t SelectStage = 0;
  TIndices DragCards;
  bool Dragging = false;
  int32_t DragMoves = 0;
  bool MoveDone = false;
  TCard* PressedCard = nullptr;
  QPoint PressedPos;

  bool SmallCards = false;
  int ColumnGap = 9;
  int FanStep = 30;
  QPoint StockPoint{5, 5};
  QPoint HomeOrigin{162, 5};
  QPoint PileOrigin{5, 105};
  QRect DealRect;
  std::array<int, Columns> PileStep{};

  QString GameFileName;

 private:
  class TBusyScope;
  bool HomeMove(const TTablePos& source, const TTablePos& dest);
  bool ColumnMove(const TTablePos& source, TTablePos dest);
  bool SourceStillInPlace(const TTablePos& source) const;
  void TurnUpSourceTop(int cs);
  // Turns a card over on the table with the game's flip animation.
  void FlipOnTable(TCard& card);
  void FlipOnPiece(TCard& card);
  void FinishPlacement();
  void WinSequence();
  void StartCountedGame(bool played);
  void CountWonGame();
  void ApplySavedGame(const TSavedGame& game);
  bool RefusePick(const TTablePos& source);
  // What one step changed between the table and the record `r`: the home
  // pile a suit came to or left, the column cards left and the one they came
  // to, and how many. Read as an undo (back to `r`) or as a redo (on to `r`).
  struct TStepChange {
    int Home = -1, Source = -1, Dest = -1, Count = 0;
  };
  TStepChange StepChange(const TUndoItem& r, bool undo) const;
  void AnimateUndoRowDeal(const TUndoItem& r);
  void AnimateUndoSuitHome(const TUndoItem& r, int h, int cs);
  void AnimateUndoColumnMove(const TUndoItem& r, int cs, int cd, int n);
  void KeepForRedo();
  void ClearRedo();
  void AnimateRedo(const TUndoItem& r);
  void AnimateRedoRowDeal(const TUndoItem& r);
  void AnimateRedoSuitHome(int h, int cs);
  void AnimateRedoColumnMove(int cs, int cd, int n);
  void TurnUpAsIn(const TUndoItem& r, int c);
  int RandomJitter();
  void ShowCardUnderCursor(int x, int y);
  std::vector<QRect> PlaceRects() const;
  void PaintArea(QImage& picture, const QRect& area) const;
  QImage NewTablePicture() const;
  void FitTable();
  void PlaceOrigins();

  TGameHost& FHost;
  TRandom& FRandom;
  std::unique_ptr<TDeck> FDeck;
  QSize FWindowSize;
  QSize FTableSize;
  double FScreenRatio = 1.0;
  double FLayoutScale = 1.0;
  bool FFitCards = false;
  int FTableShift = 0;
  QImage FTablePicture;
  bool FKeepPicture = true;
  // With no picture kept, a card turns over on a piece of the table around
  // it, shown over the table's state while it turns.
  QImage FDirectPiece;
  QPoint FDirectOrigin;
  bool FShowDirectPiece = false;
  TRepaintTracker FTracker;
  bool FRepaintAll = true;
  // A frame painted from the table's state waits for the host to be able to
  // show it; the tracker still holds the table as last shown.
  bool FFrameHeld = false;
  QRect FDirectArea;
  // The game on the table has been counted (or there is none); a step was
  // taken in it.
  bool FGameCounted = true;
  bool FGamePlayed = false;

  // ---- Keyboard play (KeyPlay.cpp, PlaceNames.cpp) ----
  // A frame the keys move over the places of the table (see KeyFocus.h) and
  // over the face-up cards of a column. It shows only after a key; while it
  // is hidden the first key only shows it. Activating it is a press and a
  // release there, so the move is the mouse's own. No key acts while a
  // command could not start.
 public:
  // Left and Right walk the places, stopping at the ends; Up and Down walk
  // the framed column's face-up cards. True when the frame moved or appeared.
  bool MoveFocus(TFocusStep step);
  // Enter or Space: a click on the framed card or place.
  void ActivateFocus();
  // Escape: the picked source is dropped.
  void DropSelection();
  // D: a click on the stock.
  void DealFromKey();
  // Shows the hidden frame; true when it was hidden. A mouse press hides it.
  bool ShowFocus();
  void HideFocus();
  const TKeyFocus& KeyFocus() const { return FKeyFocus; }
  // The framed cards' area, or the framed place; and the frame as painted.
  QRect FocusArea() const;
  const TFocusFrame& PaintedFocusFrame() const { return FFocusFrame; }
  // What a screen reader says of a place, what it holds, and where it lies.
  QString PlaceName(int place) const;
  QString FocusDescription() const;
  QRect PlaceRect(int place) const;

 private:
  TKeyFocus SettledFocus(TKeyFocus focus) const;
  int FirstFaceUpRow(int c) const;
  QPoint FocusPoint() const;
  void ClickFromKey(QPoint p);
  void ShowFramedCard();
  // Adds where the frame was and where it goes to the areas to repaint.
  void NoteFocusFrame(std::vector<QRect>& changed);

  TKeyFocus FKeyFocus;
  TFocusFrame FFocusFrame;
};
