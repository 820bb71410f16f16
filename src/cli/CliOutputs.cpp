#include "CliOutputs.h"

#include "Args.h"

#include "FileReplace.h"
#include "SystemFile.h"
#include "SystemOps.h"

#include <filesystem>
#include <memory>

namespace dvx::cli {

namespace fs = std::filesystem;

namespace {

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) {
        return true;
    }
    // An output not written yet cannot be an existing input, but two
    // spellings of one missing path still are the same file.
    const auto left = fs::weakly_canonical(a, ec);
    const auto right = ec ? fs::path() : fs::weakly_canonical(b, ec);
    return !ec && left == right;
}

} // namespace

Output systemOutput(const std::string& path, SystemState& state) {
    rebuildNumbersInPlay(state);
    return {"--save", path, systemFileBytes(state)};
}

void refuseOverInput(std::string_view option, const std::string& path,
                     std::initializer_list<std::string> inputs) {
    for (const auto& input : inputs) {
        if (sameFile(path, input)) {
            throw UsageError(std::string(option) + ": " + path +
                             " is also an input of this command; choose another file");
        }
    }
}

void writeOutputs(std::vector<Output> outputs) {
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (sameFile(outputs[i].path, outputs[j].path)) {
                throw UsageError(outputs[i].option + " and " + outputs[j].option +
                                 " name the same file: " + outputs[i].path);
            }
        }
    }
    std::vector<std::unique_ptr<ReplacingWriter>> writers;
    const auto fail = [](const Output& output, std::error_code ec) {
        throw UsageError(output.option + ": cannot write " + output.path + ": " + ec.message());
    };
    for (const auto& output : outputs) {
        writers.push_back(std::make_unique<ReplacingWriter>(output.path));
        writers.back()->append(output.bytes);
        if (const auto ec = writers.back()->prepare()) {
            fail(output, ec);
        }
    }
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (const auto ec = writers[i]->commit()) {
            fail(outputs[i], ec);
        }
    }
}

} // namespace dvx::cli
