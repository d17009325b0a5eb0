#pragma once

#include "HeaderLines.h"
#include "WebBrowserInterface.h"

#include <QUrl>
#include <QWebEnginePage>
#include <QWidget>

#include <optional>

class QWebEngineLoadingInfo;
class QWebEngineProfile;
class QWebEngineUrlRequestInfo;
class QWebEngineView;

namespace quorlane {

// The browser pane: a Qt WebEngine view on a private, off-the-record profile,
// driven through IWebBrowser2 and raising OnBeforeNavigate2 before every
// navigation the engine announces and OnNavigateComplete2 after each
// completed top-level one.
//
// A handler that stops an announced top-level navigation, navigates to the
// same address with headers and cancels the announced one is taken as asking
// for that navigation to carry those headers. The engine then lets the
// announced navigation go ahead and attaches the headers to its top-level
// requests, redirect hops included, so a form post keeps its method and body,
// a link its referrer and a history step its place in the history: the server
// sees one request, as if the navigation had been started afresh.
class TWebBrowser : public QWidget, public IWebBrowser2 {
    Q_OBJECT
public:
    explicit TWebBrowser(QWidget *parent = nullptr);
    ~TWebBrowser() override;

    IWebBrowser2 *DefaultInterface() { return this; }

    HRESULT Navigate(const WideString &URL, Variant &Flags, Variant &TargetFrameName, Variant &PostData,
                     Variant &Headers) override;
    HRESULT GoBack() override;
    HRESULT GoForward() override;
    HRESULT Stop() override;
    WideString ErrorDescription() const override { return errorDescription_; }

    TBeforeNavigate2Event OnBeforeNavigate2;
    TNavigateComplete2Event OnNavigateComplete2;

    QWebEngineView *View() const { return view_; }
    QWebEnginePage *Page() const { return page_; }

private:
    friend class NavigationPage;
    friend class TopLevelHeaderInterceptor;

    // A navigation the engine has announced and the handlers are looking at.
    struct Announcement {
        QUrl url;
        bool isMainFrame = false;
        int depth = 0;
        bool reissued = false;
        bool reissueCancelled = false;
        WideString reissueHeaders;
    };

    bool AcceptNavigation(const QUrl &url, QWebEnginePage::NavigationType type, bool isMainFrame);
    void RaiseBeforeNavigate(Announcement &announcement, IDispatch *pDisp, Variant &URL, Variant &Flags,
                             Variant &TargetFrameName, Variant &PostData, Variant &Headers, VARIANT_BOOL &Cancel);
    HRESULT Reissue(const WideString &URL, Variant &Flags, Variant &TargetFrameName, Variant &PostData,
                    Variant &Headers);
    HRESULT StepHistory(QWebEnginePage::WebAction step, bool possible, const QString &whyNot);
    void StartNavigation(const QUrl &target, const WideString &headers, const QByteArray &postData);
    void AttachHeadersToTopLevel(const WideString &headers);
    void AddHeadersToRequest(QWebEngineUrlRequestInfo &info) const;
    void ReportLoading(const QWebEngineLoadingInfo &info);
    HRESULT Fail(HRESULT code, const QString &description);

    IDispatch frameDocument_; // stands for every frame in events
    QWebEngineProfile *profile_ = nullptr;
    QWebEnginePage *page_ = nullptr;
    QWebEngineView *view_ = nullptr;
    class TopLevelHeaderInterceptor *interceptor_ = nullptr;

    Announcement *announcing_ = nullptr;
    std::optional<WideString> typedNavigationHeaders_; // for the load Navigate has just started
    std::vector<HeaderField> topLevelHeaders_;          // on the current top-level navigation's requests
    WideString errorDescription_;
};

} // namespace quorlane
