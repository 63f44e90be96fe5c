#pragma once

#include <QString>
#include <QVariant>
#include <vector>

// The classic help commands in which the program's help requests arrive.
enum TClassicHelpCommand {
  hcContext = 1,
  hcQuit = 2,
  hcContents = 3,
  hcContextPopup = 8,
  hcFinder = 11,
  hcKey = 257,
};

// The commands the help viewer understands.
enum THtmlHelpCommand {
  hhDisplayTopic = 0,
  hhDisplayToc = 1,
  hhDisplayIndex = 2,
  hhKeywordLookup = 13,
  hhHelpContext = 15,
  hhCloseAll = 18,
};

// Whatever shows the help: the program's help window, or a recording
// viewer in tests. `data` is a context number, a topic or a keyword.
class THelpViewer {
 public:
  virtual ~THelpViewer() = default;
  virtual void HtmlHelp(const QString& helpFile, int command, const QVariant& data) = 0;
};

class TRecordingHelpViewer : public THelpViewer {
 public:
  struct TRequest {
    QString HelpFile;
    int Command;
    QVariant Data;
  };
  void HtmlHelp(const QString& helpFile, int command, const QVariant& data) override {
    Requests.push_back({helpFile, command, data});
  }
  std::vector<TRequest> Requests;
};

// A viewer command and its data.
struct THtmlHelpRequest {
  int Command;
  QVariant Data;
};

// The viewer command for a classic one: contexts (also in a pop-up) show
// their context, quit closes every help window, contents shows the table of
// contents, the finder a topic, a keyword the index; anything else the
// default topic.
THtmlHelpRequest TranslateHelpCommand(int command, const QVariant& data);

// Whether the help file is one the viewer shows: its extension is ".chm",
// in any letter case.
bool IsChmFile(const QString& helpFile);

// Routes the program's help requests to the help viewer. It answers those
// for a ".chm" help file and leaves every other help file alone; destroying
// it closes every help window.
class TCHMHelper {
 public:
  explicit TCHMHelper(THelpViewer& viewer) : FViewer(viewer) {}
  ~TCHMHelper();
  TCHMHelper(const TCHMHelper&) = delete;
  TCHMHelper& operator=(const TCHMHelper&) = delete;

  QString HelpFile;

  // The application's help event; true when the request was handled.
  bool HelpCommand(int command, const QVariant& data);
  bool HelpContext(int context) { return HelpCommand(hcContext, context); }

 private:
  THelpViewer& FViewer;
};
