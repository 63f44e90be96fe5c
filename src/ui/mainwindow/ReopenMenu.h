#pragma once

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "persist/RecentList.h"

class QAction;

// Called with the menu and the full path of the entry the player chose.
using TMenuClickEvent = std::function<void(QObject* sender, const QString& path)>;

// Recently used files as the entries of a submenu, newest first, kept in a
// section of an INI file. The list itself and its section of the file are
// TRecentList's; this binds them to the menu.
class TReopenMenu : public QObject {
 public:
  explicit TReopenMenu(QObject* owner = nullptr) : QObject(owner) {}

  int Limit = 5;       // most entries kept when a path is added
  QString INIFile;     // the INI file's full path
  QString INISection;  // its section that holds the list
  TMenuClickEvent OnMenuClick;
  bool NumberItems = true;     // captions "&1 name"
  bool NoDuplicates = true;    // adding a known path moves it to the top
  bool ShowPath = false;       // captions show the full path
  bool ShowErrors = false;     // failures of the INI file show a warning box
  bool UpdateOnClick = false;  // a chosen entry moves to the top

  // The submenu whose entries these are; none when it is destroyed. Without
  // it nothing is loaded, added or stored.
  QMenu* MenuItem() const { return FMenuItem; }
  void SetMenuItem(QMenu* menu);

  const QStringList& Paths() const { return FList.Paths(); }
  void AddPath(const QString& path);
  void LoadHistory();
  void SaveHistory();
  void ClearHistory();
  void DeleteEntry(int position);
  void ApplyLimit();
  void NumberEntries();
  // The full path of an entry, by its position in the menu.
  QString PathOf(const QAction* item) const;

 private:
  void ShowEntries();
  void Choose(QAction* item);
  void ShowAccessError();

  TRecentList FList;
  QPointer<QMenu> FMenuItem;
};
