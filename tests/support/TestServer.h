#pragma once
// A small HTTP server on 127.0.0.1, run in a thread of the test, that plays
// the vendor's web server, faults included.

#include <httplib.h>

#include <arpa/inet.h>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace dvx::test {

class TestServer final {
public:
    explicit TestServer(const std::function<void(httplib::Server&, TestServer&)>& routes) {
        // One request per connection, so stopping never waits on an idle client.
        server_.set_keep_alive_max_count(1);
        routes(server_, *this);
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    ~TestServer() {
        release();
        server_.stop();
        thread_.join();
    }
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }

    // Holds a handler back until the test ends (or the limit passes), as a
    // server that accepted the request and then went quiet.
    void holdBack(std::chrono::seconds limit) {
        std::unique_lock lock(mutex_);
        released_.wait_for(lock, limit, [this] { return isReleased_; });
    }
    void release() {
        {
            std::lock_guard lock(mutex_);
            isReleased_ = true;
        }
        released_.notify_all();
    }

private:
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable released_;
    bool isReleased_ = false;
};

// A port on 127.0.0.1 where nobody listens: bound once, then let go.
inline int closedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(fd);
    return ntohs(address.sin_port);
}

} // namespace dvx::test
