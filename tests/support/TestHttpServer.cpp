#include "TestHttpServer.h"

#include <chrono>
#include <stdexcept>

namespace quorlane::test {

TestHttpServer::TestHttpServer()
{
    const auto serve = [this](const httplib::Request &request, httplib::Response &response) {
        Serve(request, response);
    };
    server_.Get(".*", serve);
    server_.Post(".*", serve);
    server_.Put(".*", serve);
    server_.Delete(".*", serve);
    server_.Options(".*", serve);
    port_ = server_.bind_to_any_port("127.0.0.1");
    if (port_ <= 0)
        throw std::runtime_error("test server could not bind to 127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    // Stopping a server that has not started listening yet would leave it listening for ever.
    for (int i = 0; i < 5000 && !server_.is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TestHttpServer::~TestHttpServer()
{
    server_.stop();
    if (thread_.joinable())
        thread_.join();
}

void TestHttpServer::Page(const std::string &path, const std::string &html)
{
    Resource(path, html, "text/html; charset=utf-8");
}

void TestHttpServer::Resource(const std::string &path, const std::string &body, const std::string &contentType)
{
    Handle(path, [body, contentType](const httplib::Request &, httplib::Response &response) {
        response.set_content(body, contentType.c_str());
    });
}

void TestHttpServer::Redirect(const std::string &path, const std::string &location, int status)
{
    Handle(path, [location, status](const httplib::Request &, httplib::Response &response) {
        response.status = status;
        response.set_header("Location", location);
    });
}

void TestHttpServer::Handle(const std::string &path, Handler handler)
{
    const std::lock_guard lock(mutex_);
    routes_[path] = std::move(handler);
}

std::string TestHttpServer::Origin() const
{
    return "http://127.0.0.1:" + std::to_string(port_);
}

std::string TestHttpServer::Url(const std::string &path) const
{
    return Origin() + path;
}

std::vector<RecordedRequest> TestHttpServer::Requests() const
{
    const std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<RecordedRequest> TestHttpServer::RequestsTo(const std::string &path) const
{
    std::vector<RecordedRequest> matching;
    for (const auto &request : Requests()) {
        if (request.path == path || request.path.rfind(path + "?", 0) == 0)
            matching.push_back(request);
    }
    return matching;
}

void TestHttpServer::ClearRequests()
{
    const std::lock_guard lock(mutex_);
    requests_.clear();
}

void TestHttpServer::Serve(const httplib::Request &request, httplib::Response &response)
{
    Handler handler;
    {
        const std::lock_guard lock(mutex_);
        std::string target = request.path;
        if (!request.params.empty()) {
            std::string query;
            for (const auto &[name, value] : request.params)
                query += (query.empty() ? "?" : "&") + name + "=" + value;
            target += query;
        }
        requests_.push_back({request.method, target, request.body, request.headers});
        const auto route = routes_.find(request.path);
        if (route != routes_.end())
            handler = route->second;
    }
    if (handler) {
        handler(request, response);
    } else {
        response.status = 404;
        response.set_content("not found", "text/plain");
    }
}

} // namespace quorlane::test
