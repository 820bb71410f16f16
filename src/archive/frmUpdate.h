#pragma once
// The archive window: the list of draws (a double click takes one as the
// winning column of the single check) and the update from the server, which
// runs while the window stays responsive and can be cancelled.

#include "ArchiveUpdate.h"
#include "DrawList.h"

#include <QWidget>

class QCloseEvent;
class QLabel;
class QListWidget;
class QPushButton;

namespace dvx {

struct WindowContext;
class QtNetFetch;

class frmUpdate final : public QWidget {
    Q_OBJECT
public:
    explicit frmUpdate(WindowContext& context, QWidget* parent = nullptr);
    ~frmUpdate() override;

    // Refills the draw list from the archive, last draw first.
    void PopolaListView();
    // Takes the draw of the chosen line as the winning column.
    void lst_DblClick();
    void cmdUpdate_Click();
    void cmdAnnulla_Click();
    void cmdStatistiche_Click();

    bool busy() const { return busy_; }
    // The download address, the archive endpoint of the server by default.
    void setUpdateUrl(std::string url) { url_ = std::move(url); }

public slots:
    // The archive may have changed elsewhere: show it again.
    void refreshFromState();

signals:
    // An update ended (after its messages, the list and the statistics).
    void updateFinished(dvx::UpdateOutcome outcome);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showControls();
    void downloadEnded();
    void finishUpdate();

    WindowContext& context_;
    std::string caption_;
    std::string url_;
    TemporaryDownload download_; // private to this window, removed with it
    DrawList list_;
    bool busy_ = false;
    // The download ended while long work elsewhere kept this window
    // disabled: the archive is replaced once that work is over.
    bool finishPending_ = false;
    QtNetFetch* fetch_ = nullptr;
    QListWidget* lst_ = nullptr;
    QLabel* lbLast_ = nullptr;
    QLabel* lbTotale_ = nullptr;
    QLabel* lbElaborazione_ = nullptr;
    QPushButton* cmdUpdate_ = nullptr;
    QPushButton* cmdAnnulla_ = nullptr;
    QPushButton* cmdStatistiche_ = nullptr;
};

} // namespace dvx
