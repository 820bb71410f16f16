#include "CliPrint.h"

#include "CliInputs.h"

#include "Calibration.h"
#include "ErrorCodes.h"
#include "FileCommands.h"
#include "FileReplace.h"
#include "ListingPlan.h"
#include "SlipPlan.h"
#include "SlipRange.h"

#ifdef DVX_HAVE_QT_RENDER
#include "PdfExport.h"

#include <QGuiApplication>
#include <QString>
#endif

#include <filesystem>
#include <iostream>
#include <memory>

namespace dvx::cli {

namespace {

std::string requiredSystem(Args& args) {
    const auto path = args.positional();
    if (!path) {
        throw UsageError("a SYSTEM file (.dvx or .txt) is required");
    }
    return *path;
}

Calibration calibrationFrom(const std::optional<std::string>& path) {
    if (!path) {
        Calibration c;
        c.left = 20.0f;
        c.top = 60.0f;
        c.xDist = 5.0f;
        c.yDist = 6.0f;
        c.quality = kQualityNormale;
        return c;
    }
    std::string bytes;
    if (const auto error = readWholeFile(*path, bytes, kCalibrationMaxSize)) {
        throw UsageError("--calibration: cannot read " + *path + ": " +
                         classicErrorOf(error, *path).description);
    }
    return parseCalibration(bytes);
}

#ifdef DVX_HAVE_QT_RENDER
// Qt's note that it picked a runtime folder is no news to a command line.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg ||
        message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR"))) {
        return;
    }
    std::cerr << message.toStdString() << "\n";
}

// Drawing text needs a GUI application; no display is needed for a file.
class OffscreenApplication final {
public:
    OffscreenApplication() {
        qInstallMessageHandler(quietMessages);
        if (!QGuiApplication::instance()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            application_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
    }

private:
    int argc_ = 1;
    char name_[16] = "decaventrix-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

int writeDocument(const PrintDocument& document, const std::string& pdf) {
    OffscreenApplication application;
    const auto outcome = writePdf(document, pdf);
    if (!outcome.ok()) {
        throw UsageError("--pdf: cannot write " + pdf + ": " + outcome.failure->description);
    }
    std::cout << outcome.pagesSent << " pagine\n";
    return 0;
}
#else
int writeDocument(const PrintDocument&, const std::string&) {
    throw UsageError("this build has no PDF renderer (built without Qt)");
}
#endif

std::string defaultImagesFolder() {
    // The program's own pictures: beside the binary in a build or install,
    // else the source tree's data folder.
    std::error_code ignored;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ignored);
    for (auto folder = self.parent_path(); !folder.empty() && folder != folder.root_path();
         folder = folder.parent_path()) {
        if (std::filesystem::exists(folder / "data/images/logoTabulato.jpg")) {
            return (folder / "data/images").string() + "/";
        }
    }
    return "";
}

} // namespace

int runPrint(Args& args) {
    const auto path = requiredSystem(args);
    const auto pdf = args.takeRequired("--pdf");
    const auto from = args.take("--from");
    const auto to = args.take("--to");
    const bool coupon = args.flag("--coupon");
    const auto calibration = calibrationFrom(args.take("--calibration"));
    const auto header = args.take("--header").value_or("");
    const auto stake = takeStake(args);
    args.finish();
    const auto system = loadSystemWithStake(path, stake);

    const int slips = slipCount(*system);
    const int da = from ? parseInt(*from, "--from") : 1;
    const int a = to ? parseInt(*to, "--to") : slips;
    if (const auto error = checkSlipRange(da, a, 1, slips)) {
        throw UsageError(error->text);
    }
    SlipPrintInputs inputs;
    inputs.system = system.get();
    inputs.calibration = calibration;
    inputs.header = header;
    inputs.systemName = fileNamePanel(path);
    return writeDocument(slipDocument(inputs, {coupon, da, a}), pdf);
}

int runListing(Args& args) {
    const auto path = requiredSystem(args);
    const auto pdf = args.takeRequired("--pdf");
    const auto header = args.take("--header").value_or("");
    const auto copiesText = args.take("--copies");
    const auto imagesFolder = args.take("--images");
    const bool blackAndWhite = args.flag("--bw");
    const auto stake = takeStake(args);
    args.finish();
    const int copies = copiesText ? parseInt(*copiesText, "--copies") : 1;
    if (copies < 1 || copies > 99) {
        throw UsageError("--copies must be 1 to 99");
    }
    const auto system = loadSystemWithStake(path, stake);

    ListingInputs inputs;
    inputs.system = system.get();
    inputs.header = header;
    inputs.systemName = fileNamePanel(path);
    auto folder = imagesFolder ? *imagesFolder : defaultImagesFolder();
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    inputs.images = listingImagesIn(folder, !blackAndWhite);
    return writeDocument(joinDocuments(listingCopies(inputs, copies)), pdf);
}

} // namespace dvx::cli
