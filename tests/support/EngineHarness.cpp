#include "EngineHarness.h"

#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace quorlane::test {

bool WaitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

QVariant RunScript(TWebBrowser &browser, const QString &script)
{
    QVariant result;
    bool done = false;
    browser.Page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    EXPECT_TRUE(WaitUntil([&] { return done; })) << "script did not finish: " << script.toStdString();
    return result;
}

void ClickElement(TWebBrowser &browser, const QString &elementId)
{
    const QVariantList box = RunScript(browser, QStringLiteral("(function(){var r=document.getElementById('%1')"
                                                               ".getBoundingClientRect();"
                                                               "return [r.left + r.width/2, r.top + r.height/2];})()")
                                                    .arg(elementId))
                                 .toList();
    ASSERT_EQ(box.size(), 2) << "no element " << elementId.toStdString();
    const QPoint point(static_cast<int>(box[0].toDouble()), static_cast<int>(box[1].toDouble()));
    QWidget *target = browser.View()->focusProxy() ? browser.View()->focusProxy() : browser.View();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, point);
}

std::size_t CountWithHeader(const std::vector<RecordedRequest> &requests, const std::string &header)
{
    std::size_t count = 0;
    for (const auto &request : requests)
        count += request.Has(header) ? 1 : 0;
    return count;
}

} // namespace quorlane::test
