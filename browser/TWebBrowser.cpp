#include "TWebBrowser.h"

#include "core/TextConversion.h"
#include "platform/UrlHistory.h"

#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineHttpRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace quorlane {
namespace {

// Deeper re-entry than this means a handler re-issues its own re-issues.
constexpr int kMaxReissueDepth = 4;

QString ToQString(const WideString &text) { return QString::fromStdU16String(text); }
WideString ToWide(const QString &text) { return text.toStdU16String(); }

// The engine announces "http://host:port" as "http://host:port/".
bool SameAddress(const QUrl &a, const QUrl &b)
{
    const auto options = QUrl::StripTrailingSlash | QUrl::NormalizePathSegments;
    return a.adjusted(options) == b.adjusted(options);
}

QUrl AddressFromText(const WideString &text)
{
    return QUrl::fromUserInput(ToQString(text).trimmed());
}

WideString TextOrNothing(const Variant &value)
{
    try {
        return VariantToWideText(value);
    } catch (const EVariantTypeCastError &) {
        return {};
    }
}

// A post body goes out byte for byte; a text one as UTF-8.
QByteArray PostBody(const Variant &value)
{
    if (const auto *bytes = std::get_if<ByteArray>(&value.value()))
        return QByteArray(reinterpret_cast<const char *>(bytes->data()), static_cast<qsizetype>(bytes->size()));
    return QString::fromStdU16String(TextOrNothing(value)).toUtf8();
}

} // namespace

class NavigationPage : public QWebEnginePage {
public:
    NavigationPage(QWebEngineProfile *profile, TWebBrowser &owner) : QWebEnginePage(profile, &owner), owner_(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        return owner_.AcceptNavigation(url, type, isMainFrame);
    }

private:
    TWebBrowser &owner_;
};

class TopLevelHeaderInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    TopLevelHeaderInterceptor(TWebBrowser &owner) : QWebEngineUrlRequestInterceptor(&owner), owner_(owner) {}
    void interceptRequest(QWebEngineUrlRequestInfo &info) override { owner_.AddHeadersToRequest(info); }

private:
    TWebBrowser &owner_;
};

TWebBrowser::TWebBrowser(QWidget *parent)
    : QWidget(parent)
{
    profile_ = new QWebEngineProfile(this); // no storage name: off the record, nothing on disk
    profile_->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile_->setSpellCheckEnabled(false);

    page_ = new NavigationPage(profile_, *this);
    interceptor_ = new TopLevelHeaderInterceptor(*this);
    page_->setUrlRequestInterceptor(interceptor_);
    connect(page_, &QWebEnginePage::loadingChanged, this, &TWebBrowser::ReportLoading);

    view_ = new QWebEngineView(this);
    view_->setPage(page_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

TWebBrowser::~TWebBrowser()
{
    // The page has to go before the profile it was made with.
    OnBeforeNavigate2 = nullptr;
    OnNavigateComplete2 = nullptr;
    delete view_;
    delete page_;
}

HRESULT TWebBrowser::Navigate(const WideString &URL, Variant &Flags, Variant &TargetFrameName, Variant &PostData,
                              Variant &Headers)
{
    errorDescription_.clear();
    if (announcing_ && announcing_->isMainFrame && !announcing_->reissued
        && SameAddress(QUrl(ToQString(URL)), announcing_->url)) {
        return Reissue(URL, Flags, TargetFrameName, PostData, Headers);
    }

    const QUrl target = AddressFromText(URL);
    if (target.isEmpty())
        return Fail(kE_INVALIDARG, QStringLiteral("No address was given"));
    if (!target.isValid())
        return Fail(kE_INVALIDARG, QStringLiteral("\"%1\" is not a valid address").arg(ToQString(URL)));
    const WideString headers = TextOrNothing(Headers);
    const QByteArray postData = PostBody(PostData);

    if (announcing_) {
        // The engine is asking about another navigation; a new load may not start inside that question.
        QMetaObject::invokeMethod(
            this, [this, target, headers, postData] { StartNavigation(target, headers, postData); },
            Qt::QueuedConnection);
        return kS_OK;
    }
    StartNavigation(target, headers, postData);
    return kS_OK;
}

HRESULT TWebBrowser::Reissue(const WideString &URL, Variant &Flags, Variant &TargetFrameName, Variant &PostData,
                             Variant &Headers)
{
    Announcement &outer = *announcing_;
    if (outer.depth >= kMaxReissueDepth)
        return Fail(kE_FAIL, QStringLiteral("The navigation was issued again too many times"));
    outer.reissued = true;

    Variant url(URL);
    Variant flags = Flags, targetFrameName = TargetFrameName, postData = PostData, headers = Headers;
    VARIANT_BOOL cancel = kVariantFalse;
    Announcement inner;
    inner.url = outer.url;
    inner.isMainFrame = true;
    inner.depth = outer.depth + 1;
    RaiseBeforeNavigate(inner, static_cast<IDispatch *>(static_cast<IWebBrowser2 *>(this)), url, flags,
                        targetFrameName, postData, headers, cancel);
    if (inner.reissued) {
        outer.reissueCancelled = inner.reissueCancelled;
        outer.reissueHeaders = inner.reissueHeaders;
    } else {
        outer.reissueCancelled = cancel != kVariantFalse;
        outer.reissueHeaders = TextOrNothing(headers);
    }
    return kS_OK;
}

HRESULT TWebBrowser::GoBack()
{
    return StepHistory(QWebEnginePage::Back, page_->history()->canGoBack(),
                       QStringLiteral("There is no earlier page in the history"));
}

HRESULT TWebBrowser::GoForward()
{
    return StepHistory(QWebEnginePage::Forward, page_->history()->canGoForward(),
                       QStringLiteral("There is no later page in the history"));
}

// The engine's own step does nothing where there is no entry: that is a failure here.
HRESULT TWebBrowser::StepHistory(QWebEnginePage::WebAction step, bool possible, const QString &whyNot)
{
    errorDescription_.clear();
    if (!possible)
        return Fail(kE_FAIL, whyNot);
    page_->triggerAction(step);
    return kS_OK;
}

HRESULT TWebBrowser::Stop()
{
    errorDescription_.clear();
    // While a navigation is being announced it has not started yet; stopping
    // the engine now would abort it even if it is then let through, and it
    // replaces whatever was loading anyway.
    if (!announcing_)
        page_->triggerAction(QWebEnginePage::Stop);
    return kS_OK;
}

bool TWebBrowser::AcceptNavigation(const QUrl &url, QWebEnginePage::NavigationType type, bool isMainFrame)
{
    // A redirect is a hop of a navigation already announced; it keeps that navigation's headers.
    if (type == QWebEnginePage::NavigationTypeRedirect)
        return true;

    Variant URL(ToWide(url.toString())), Flags, TargetFrameName, PostData, Headers;
    if (isMainFrame && type == QWebEnginePage::NavigationTypeTyped && typedNavigationHeaders_) {
        Headers = *typedNavigationHeaders_;
        typedNavigationHeaders_.reset();
    }
    VARIANT_BOOL Cancel = kVariantFalse;
    Announcement announcement;
    announcement.url = url;
    announcement.isMainFrame = isMainFrame;
    IDispatch *pDisp = isMainFrame ? static_cast<IDispatch *>(static_cast<IWebBrowser2 *>(this)) : &frameDocument_;
    RaiseBeforeNavigate(announcement, pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel);

    if (!isMainFrame)
        return Cancel == kVariantFalse;
    if (announcement.reissued) {
        if (announcement.reissueCancelled)
            return false;
        AttachHeadersToTopLevel(announcement.reissueHeaders);
        return true;
    }
    if (Cancel != kVariantFalse)
        return false;
    AttachHeadersToTopLevel(TextOrNothing(Headers));
    return true;
}

void TWebBrowser::RaiseBeforeNavigate(Announcement &announcement, IDispatch *pDisp, Variant &URL, Variant &Flags,
                                      Variant &TargetFrameName, Variant &PostData, Variant &Headers,
                                      VARIANT_BOOL &Cancel)
{
    if (!OnBeforeNavigate2)
        return;
    Announcement *const previous = announcing_;
    announcing_ = &announcement;
    try {
        OnBeforeNavigate2(this, pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel);
    } catch (const std::exception &e) {
        // Hosts report their own failures; nothing may unwind into the engine.
        qWarning("OnBeforeNavigate2 handler failed: %s", e.what());
    } catch (...) {
        qWarning("OnBeforeNavigate2 handler failed");
    }
    announcing_ = previous;
}

void TWebBrowser::StartNavigation(const QUrl &target, const WideString &headers, const QByteArray &postData)
{
    typedNavigationHeaders_ = headers;
    UrlHistory::Instance().Add(UrlHistory::Typed, target.toString());
    if (postData.isEmpty()) {
        page_->load(target);
        return;
    }
    QWebEngineHttpRequest request(target, QWebEngineHttpRequest::Post);
    request.setPostData(postData);
    page_->load(request);
}

void TWebBrowser::AttachHeadersToTopLevel(const WideString &headers)
{
    topLevelHeaders_ = ParseHeaderLines(NarrowFromWide(headers));
}

void TWebBrowser::AddHeadersToRequest(QWebEngineUrlRequestInfo &info) const
{
    const auto type = info.resourceType();
    if (type != QWebEngineUrlRequestInfo::ResourceTypeMainFrame
        && type != QWebEngineUrlRequestInfo::ResourceTypeNavigationPreloadMainFrame)
        return;
    for (const HeaderField &field : topLevelHeaders_)
        info.setHttpHeader(QByteArray::fromStdString(field.name), QByteArray::fromStdString(field.value));
}

void TWebBrowser::ReportLoading(const QWebEngineLoadingInfo &info)
{
    const auto status = info.status();
    if (status != QWebEngineLoadingInfo::LoadSucceededStatus && status != QWebEngineLoadingInfo::LoadFailedStatus)
        return;
    if (status == QWebEngineLoadingInfo::LoadSucceededStatus)
        UrlHistory::Instance().Add(UrlHistory::Visited, info.url().toString());
    if (!OnNavigateComplete2)
        return;
    Variant URL(ToWide(info.url().toString()));
    try {
        OnNavigateComplete2(this, static_cast<IDispatch *>(static_cast<IWebBrowser2 *>(this)), URL);
    } catch (const std::exception &e) {
        qWarning("OnNavigateComplete2 handler failed: %s", e.what());
    } catch (...) {
        qWarning("OnNavigateComplete2 handler failed");
    }
}

HRESULT TWebBrowser::Fail(HRESULT code, const QString &description)
{
    errorDescription_ = ToWide(description);
    return code;
}

} // namespace quorlane
