#pragma once
// The program's help: one HTML page in the Help folder, opened with the
// desktop's viewer. Its topics are anchors named "k" + the topic number, so
// the page opens at the topic a command or a control asks for.
#include <QString>
#include <QUrl>

namespace kvx::platform {

// The address of the help page at a topic; topic 0 or below is the page's top.
QUrl SugoCim(const QString& allomany, int kontextus);
// Opens the help page at the topic. False when the page is missing or the
// desktop could not open it.
bool SugoMegnyitas(const QString& allomany, int kontextus);

}  // namespace kvx::platform
