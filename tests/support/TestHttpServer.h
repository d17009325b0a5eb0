#pragma once

#include <httplib.h>

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quorlane::test {

// One request as it reached the server.
struct RecordedRequest {
    std::string method;
    std::string path; // with the query, if any
    std::string body;
    httplib::Headers headers;

    bool Has(const std::string &name) const { return headers.count(name) > 0; }
    std::size_t Count(const std::string &name) const { return headers.count(name); }
    std::string Header(const std::string &name) const
    {
        const auto it = headers.find(name);
        return it == headers.end() ? std::string() : it->second;
    }
};

// An HTTP server on 127.0.0.1 that serves what a test gives it and records
// every request it receives, whatever the path.
class TestHttpServer {
public:
    using Handler = std::function<void(const httplib::Request &, httplib::Response &)>;

    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer &) = delete;
    TestHttpServer &operator=(const TestHttpServer &) = delete;

    void Page(const std::string &path, const std::string &html);
    void Resource(const std::string &path, const std::string &body, const std::string &contentType);
    void Redirect(const std::string &path, const std::string &location, int status = 302);
    void Handle(const std::string &path, Handler handler);

    std::string Url(const std::string &path) const;
    std::string Origin() const;
    int Port() const { return port_; }

    std::vector<RecordedRequest> Requests() const;
    std::vector<RecordedRequest> RequestsTo(const std::string &path) const;
    void ClearRequests();

private:
    void Serve(const httplib::Request &request, httplib::Response &response);

    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::map<std::string, Handler> routes_;
    std::vector<RecordedRequest> requests_;
};

} // namespace quorlane::test
