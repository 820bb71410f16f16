#include "QtPlatform.h"
#include "QtText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QTime>
#include <QUrl>

#include <utility>

namespace dvx {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString qtFileFilter(std::string_view filter) {
    const auto bar = filter.find('|');
    if (bar == std::string_view::npos) {
        return qtText(filter);
    }
    auto description = qtText(filter.substr(0, bar)).trimmed();
    const auto pattern = qtText(filter.substr(bar + 1)).trimmed();
    // The description often names its pattern already: "File TXT (*.txt)".
    if (!description.contains(pattern)) {
        description += QLatin1String(" (") + pattern + QLatin1Char(')');
    }
    return description;
}

QString qtDefaultSuffix(std::string_view filter) {
    const auto bar = filter.find('|');
    const auto pattern =
        qtText(bar == std::string_view::npos ? filter : filter.substr(bar + 1)).trimmed();
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.contains(u';') ||
        pattern.indexOf(u'*', 1) >= 0 || pattern.contains(u'?')) {
        return {};
    }
    return pattern.mid(2);
}

QString qtMessageText(std::string_view text) {
    auto result = qtText(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(u'\r', u'\n');
    return result;
}

QtPlatform::QtPlatform(QString programTitle) : programTitle_(std::move(programTitle)) {}

QWidget* QtPlatform::setDialogParent(QWidget* parent) {
    QWidget* previous = parent_;
    parent_ = parent;
    return previous;
}

ScopedDialogParent::ScopedDialogParent(Platform& platform, QWidget* window)
    : platform_(dynamic_cast<QtPlatform*>(&platform)) {
    if (platform_ != nullptr) {
        previous_ = platform_->setDialogParent(window);
    }
}

ScopedDialogParent::~ScopedDialogParent() {
    if (platform_ != nullptr) {
        platform_->setDialogParent(previous_);
    }
}

QWidget* QtPlatform::dialogParent() const {
    // A dialog owned by a disabled window would be disabled with it (the
    // main window is, while long work runs): use the window in front then.
    if (parent_ != nullptr && parent_->isEnabled()) {
        return parent_;
    }
    return QApplication::activeWindow();
}

QString QtPlatform::title(std::string_view title) const {
    return title.empty() ? programTitle_ : qtText(title);
}

Answer QtPlatform::message(std::string_view text, std::string_view title, Icon icon,
                           Buttons buttons) {
    QMessageBox box(qtIcon(icon), this->title(title), qtMessageText(text), QMessageBox::NoButton,
                    dialogParent());
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    // Italian captions, whatever translations Qt finds.
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, "OK"},
        {QMessageBox::Cancel, "Annulla"},
        {QMessageBox::Yes, "&Sì"},
        {QMessageBox::No, "&No"}};
    for (const auto& [button, caption] : captions) {
        if (auto* b = box.button(button)) {
            b->setText(QString::fromUtf8(caption));
        }
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        break;
    }
    // Escape on a Yes/No box closes it without a choice: that is a No.
    return buttons == Buttons::YesNo ? Answer::No
           : buttons == Buttons::Ok  ? Answer::Ok
                                     : Answer::Cancel;
}

std::optional<std::string> QtPlatform::input(std::string_view prompt, std::string_view title,
                                             std::string_view defaultText) {
    bool ok = false;
    const auto text =
        QInputDialog::getText(dialogParent(), this->title(title), qtMessageText(prompt),
                              QLineEdit::Normal, qtText(defaultText), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text.toStdString();
}

std::optional<std::string> QtPlatform::openFileName(std::string_view folder,
                                                    std::string_view filter) {
    const auto path = QFileDialog::getOpenFileName(dialogParent(), QStringLiteral("Apri"),
                                                   qtText(folder), qtFileFilter(filter));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

std::optional<std::string> QtPlatform::saveFileName(std::string_view folder,
                                                    std::string_view filter,
                                                    std::string_view suggestedName) {
    const auto start = QDir(qtText(folder)).filePath(qtText(suggestedName));
    QFileDialog dialog(dialogParent(), QStringLiteral("Salva con nome"), start,
                       qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without extension would not show in the open dialog later.
    dialog.setDefaultSuffix(qtDefaultSuffix(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const auto path = dialog.selectedFiles().constFirst();
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

bool QtPlatform::openExternal(std::string_view fileOrAddress) {
    const auto target = qtText(fileOrAddress);
    const auto url =
        target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

std::int32_t QtPlatform::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

} // namespace dvx
