#pragma once
// A CUPS scheduler of the test's own: configuration, spool and socket in a
// temporary folder, CUPS_SERVER pointing at the socket, and a PDF queue
// (cups-pdf) whose files land in a folder of the test. Needs root, as the
// scheduler and the cups-pdf backend do; start() says why when it cannot.

#include "CliRunner.h"
#include "ScratchFolder.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace dvx::test {

class PrivateCups final {
public:
    PrivateCups() : queue_("DvxPdf" + std::to_string(::getpid())) {}
    ~PrivateCups() { stop(); }
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    const std::string& queue() const { return queue_; }
    std::string outputFolder() const { return scratch_.file("out"); }

    // Empty on success, else why the scheduler could not run here.
    std::string start() {
        namespace fs = std::filesystem;
        if (::geteuid() != 0) {
            return "the CUPS scheduler and the cups-pdf backend need root";
        }
        for (const char* needed : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/bin/lpstat",
                                   "/usr/lib/cups/backend/cups-pdf", kPpd}) {
            if (!fs::exists(needed)) {
                return std::string(needed) + " is missing (cups, printer-driver-cups-pdf)";
            }
        }
        const auto root = scratch_.folder();
        for (const char* sub : {"conf", "spool", "cache", "state", "log", "out"}) {
            fs::create_directories(root + sub);
        }
        // Filters run as the scheduler's user "lp": they must reach the spool.
        fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
        fs::permissions(root + "out", fs::perms::all);
        socket_ = root + "cups.sock";
        scratch_.write("conf/cups-files.conf",
                       "RequestRoot " + root + "spool\nCacheDir " + root + "cache\nStateDir " +
                           root + "state\nServerRoot " + root +
                           "conf\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                           "ErrorLog " +
                           root + "log/error_log\nAccessLog " + root + "log/access_log\nPageLog " +
                           root + "log/page_log\nSystemGroup root\nSandboxing Relaxed\n");
        scratch_.write("conf/cupsd.conf", "Listen " + socket_ +
                                              "\nLogLevel info\nWebInterface No\nBrowsing No\n"
                                              "DefaultAuthType None\n"
                                              "<Location />\n  Order allow,deny\n  Allow all\n"
                                              "</Location>\n<Policy default>\n  <Limit All>\n"
                                              "    Order deny,allow\n  </Limit>\n</Policy>\n");
        // cups-pdf reads its settings from /etc/cups only; one file of our
        // own name, removed again in stop().
        pdfConfig_ = "/etc/cups/cups-pdf-" + queue_ + ".conf";
        std::ofstream(pdfConfig_) << "Out " << outputFolder() << "\nAnonDirName " << outputFolder()
                                  << "\nLabel 0\nGrp root\n";
        ::setenv("CUPS_SERVER", socket_.c_str(), 1);

        const std::string conf = root + "conf/cupsd.conf";
        const std::string files = root + "conf/cups-files.conf";
        std::vector<std::string> args = {"/usr/sbin/cupsd", "-f", "-c", conf, "-s", files};
        std::vector<char*> argv;
        for (auto& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            pid_ = 0;
            return "cupsd could not be started";
        }
        if (!waitFor([&] {
                return runProgram("/usr/bin/lpstat", {"-r"}).out.find("scheduler is running") !=
                       std::string::npos;
            })) {
            return "cupsd did not answer on " + socket_ + ": " + scratch_.read("log/error_log");
        }
        const auto added = runProgram(
            "/usr/sbin/lpadmin", {"-p", queue_, "-E", "-v", "cups-pdf:/" + queue_, "-P", kPpd});
        if (added.status != 0) {
            return "lpadmin could not add the PDF queue: " + added.err;
        }
        return {};
    }

    // Waits until the scheduler has no job left and count PDF files are in
    // the output folder; returns them oldest first.
    std::vector<std::string> waitForPdfs(std::size_t count) const {
        std::vector<std::string> pdfs;
        waitFor([&] {
            pdfs = pdfFiles();
            return pdfs.size() >= count &&
                   runProgram("/usr/bin/lpstat", {"-o", queue_}).out.empty();
        });
        return pdfs;
    }

    std::string log() const { return scratch_.read("log/error_log"); }

    void stop() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = 0;
        }
        if (!pdfConfig_.empty()) {
            std::error_code ignored;
            std::filesystem::remove(pdfConfig_, ignored);
            pdfConfig_.clear();
        }
    }

private:
    static constexpr const char* kPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

    template <typename Condition> static bool waitFor(Condition condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline) {
            if (condition()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return false;
    }

    std::vector<std::string> pdfFiles() const {
        std::vector<std::filesystem::directory_entry> entries;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(outputFolder(), ec)) {
            if (e.path().extension() == ".pdf") {
                entries.push_back(e);
            }
        }
        std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            return a.last_write_time() < b.last_write_time();
        });
        std::vector<std::string> out;
        for (const auto& e : entries) {
            out.push_back(e.path().string());
        }
        return out;
    }

    std::string queue_;
    ScratchFolder scratch_;
    std::string socket_;
    std::string pdfConfig_;
    pid_t pid_ = 0;
};

} // namespace dvx::test
