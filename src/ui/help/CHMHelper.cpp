#include "ui/help/CHMHelper.h"

THtmlHelpRequest TranslateHelpCommand(int command, const QVariant& data) {
  switch (command) {
    case hcContext:
    case hcContextPopup:
      return {hhHelpContext, data};
    case hcQuit:
      return {hhCloseAll, 0};
    case hcContents:
      return {hhDisplayToc, 0};
    case hcFinder:
      return {hhDisplayTopic, data};
    case hcKey:
      return {hhDisplayIndex, data};
    default:
      return {hhDisplayTopic, 0};
  }
}

bool IsChmFile(const QString& helpFile) {
  return helpFile.endsWith(QStringLiteral(".chm"), Qt::CaseInsensitive);
}

TCHMHelper::~TCHMHelper() {
  FViewer.HtmlHelp(HelpFile, hhCloseAll, 0);
}

bool TCHMHelper::HelpCommand(int command, const QVariant& data) {
  if (!IsChmFile(HelpFile))
    return false;
  const THtmlHelpRequest request = TranslateHelpCommand(command, data);
  FViewer.HtmlHelp(HelpFile, request.Command, request.Data);
  return true;
}
