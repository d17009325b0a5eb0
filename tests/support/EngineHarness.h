#pragma once

#include "browser/TWebBrowser.h"
#include "support/TestHttpServer.h"

#include <QString>
#include <QVariant>

#include <string>

namespace quorlane::test {

// Waits, processing events, until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()> &condition, int timeoutMs = 15000);

// Runs a script in the pane's page and waits for its result.
QVariant RunScript(TWebBrowser &browser, const QString &script);

// Clicks an element of the page with a real mouse click, as a person would.
void ClickElement(TWebBrowser &browser, const QString &elementId);

// Requests to a path that carry the given header.
std::size_t CountWithHeader(const std::vector<RecordedRequest> &requests, const std::string &header);

} // namespace quorlane::test
