#include "ui/mainwindow/ReopenMenu.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>

#include "persist/IniFile.h"

void TReopenMenu::SetMenuItem(QMenu* menu) {
  FMenuItem = menu;
  ShowEntries();
}

void TReopenMenu::AddPath(const QString& path) {
  if (FMenuItem == nullptr)
    return;
  FList.Add(path, true, NoDuplicates);
  FList.ApplyLimit(Limit);
  ShowEntries();
}

void TReopenMenu::LoadHistory() {
  if (FMenuItem == nullptr)
    return;
  try {
    FList.Load(ReadIniFile(INIFile), INISection, NoDuplicates);
  } catch (const EIniFileError&) {
    FList.Clear();
    ShowAccessError();
  }
  ShowEntries();
}

// Only the list's section changes; the rest of the file stays as it is.
void TReopenMenu::SaveHistory() {
  if (FMenuItem == nullptr || INIFile.isEmpty())
    return;
  try {
    TIniFile ini = ReadIniFile(INIFile);
    FList.Save(ini, INISection);
    WriteIniFile(INIFile, ini);
  } catch (const EIniFileError&) {
    ShowAccessError();
  }
}

void TReopenMenu::ClearHistory() {
  FList.Clear();
  ShowEntries();
}

void TReopenMenu::DeleteEntry(int position) {
  FList.DeleteEntry(position);
  ShowEntries();
}

void TReopenMenu::ApplyLimit() {
  FList.ApplyLimit(Limit);
  ShowEntries();
}

void TReopenMenu::NumberEntries() {
  if (FMenuItem == nullptr)
    return;
  const QList<QAction*> items = FMenuItem->actions();
  for (int i = 0; i < items.size(); ++i)
    items[i]->setText(RecentCaption(i, FList.Paths().value(i), NumberItems, ShowPath));
}

QString TReopenMenu::PathOf(const QAction* item) const {
  if (FMenuItem == nullptr)
    return QString();
  return FList.Paths().value(FMenuItem->actions().indexOf(item));
}

// The menu's entries follow the list, one per path, in its order.
void TReopenMenu::ShowEntries() {
  if (FMenuItem == nullptr)
    return;
  // An entry may be the one whose choice is running: it goes later.
  for (QAction* item : FMenuItem->actions()) {
    FMenuItem->removeAction(item);
    item->deleteLater();
  }
  for (int i = 0; i < FList.Count(); ++i) {
    QAction* item = FMenuItem->addAction(QString());
    connect(item, &QAction::triggered, this, [this, item] { Choose(item); });
  }
  NumberEntries();
}

void TReopenMenu::Choose(QAction* item) {
  const QString path = PathOf(item);
  if (OnMenuClick)
    OnMenuClick(this, path);
  if (UpdateOnClick)
    AddPath(path);
}

void TReopenMenu::ShowAccessError() {
  if (!ShowErrors)
    return;
  QMessageBox::warning(
      FMenuItem != nullptr ? FMenuItem->window() : nullptr, QApplication::applicationName(),
      "Unable to access: " + INIFile + "\r\nYou may not permission to access the Windows folder");
}
