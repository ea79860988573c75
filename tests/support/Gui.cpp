#include "support/Gui.h"
#include "app/Program.h"

#include "app/frmStartup.h"
#include "base/Rev11Common.h"
#include "common/Variables.h"
#include "printing/FlexGrid.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

#include <deque>

namespace {

struct Pending {
    std::function<void(QWidget *)> act;
};

std::deque<Pending> Queue;
QPointer<QWidget> LastHandled;
QTimer *Poller = nullptr;
QElapsedTimer Waiting;
bool TimedOut = false;

void Poll() {
    if (Queue.empty()) {
        Poller->stop();
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == LastHandled || !modal->isVisible()) {
        if (Waiting.elapsed() > 10000) {
            TimedOut = true;
            Queue.clear();
        }
        return;
    }
    Pending next = std::move(Queue.front());
    Queue.pop_front();
    LastHandled = modal;
    Waiting.restart();
    next.act(modal);
}

} // namespace

void OnNextModal(std::function<void(QWidget *)> act) {
    if (!Poller) {
        Poller = new QTimer(qApp);
        Poller->setInterval(10);
        QObject::connect(Poller, &QTimer::timeout, Poll);
    }
    if (Queue.empty())
        Waiting.restart();
    Queue.push_back({std::move(act)});
    Poller->start();
}

QStringList RowTexts(const QAbstractItemModel *rows, std::initializer_list<int> columns) {
    QStringList texts;
    for (int r = 0; r < rows->rowCount(); ++r) {
        QStringList cells;
        for (int c : columns)
            cells << rows->index(r, c).data().toString();
        texts << cells.join(u' ');
    }
    return texts;
}

// The name is typed in full: the dialog lists folders as they load, so clicking one would race
// it.
void ChooseFile(const QString &path, const QString &opensIn) {
    OnNextModal([path, opensIn](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY2(dialog, "expected a file dialog");
        if (!opensIn.isEmpty())
            QCOMPARE(dialog->directory().absolutePath(), opensIn);
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

std::shared_ptr<SeenMessage> AnswerMessageBox(QMessageBox::StandardButton press) {
    auto seen = std::make_shared<SeenMessage>();
    OnNextModal([seen, press](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return;
        seen->seen = true;
        seen->text = box->text();
        seen->title = box->windowTitle();
        for (QAbstractButton *button : box->buttons())
            seen->buttons << button->text().remove(u'&');
        if (QAbstractButton *button = box->button(press))
            button->click();
    });
    return seen;
}

bool AllModalsHandled() {
    const bool ok = Queue.empty() && !TimedOut;
    Queue.clear();
    TimedOut = false;
    return ok;
}

int RowOf(const FlexGrid *grid, const QString &text, int col) {
    for (int r = 1; r < grid->Rows(); ++r) {
        if (grid->TextMatrix(r, col) == text)
            return r;
    }
    return -1;
}

QStringList CutHeadings(const QWidget *window) {
    QStringList cut;
    for (const FlexGrid *grid : window->findChildren<FlexGrid *>()) {
        if (!grid->isVisible())
            continue;
        const QHeaderView *header = grid->horizontalHeader();
        const int margins =
            2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int c = 0; c < grid->Cols(); ++c) {
            const QString heading = grid->TextMatrix(0, c);
            if (header->isSectionHidden(c) || heading.isEmpty())
                continue;
            const int needed = header->fontMetrics().horizontalAdvance(heading) + margins;
            if (header->sectionSize(c) < needed)
                cut << QStringLiteral("%1 \"%2\": %3 of %4 pixels")
                           .arg(grid->objectName(), heading)
                           .arg(header->sectionSize(c))
                           .arg(needed);
        }
    }
    return cut;
}

void ClickRow(FlexGrid *grid, int row) {
    grid->scrollTo(grid->Model()->index(row - 1, 0));
    const QRect cell = grid->visualRect(grid->Model()->index(row - 1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(grid->Row(), row);
}

QWidget *OpenRoutine(int option) {
    frmStartup *menu = LoadForm<frmStartup>();
    menu->show();
    menu->optMainMenuSub[size_t(option)]->setChecked(true);
    QTest::mouseClick(menu->cmdGoto, Qt::LeftButton);
    QWidget *opened = nullptr;
    for (Form *form : LoadedForms()) {
        if (form != menu && form->isVisible())
            opened = form;
    }
    QApplication::setActiveWindow(opened);
    return opened;
}

void Type(QLineEdit *box, const QString &text) {
    box->clear();
    QTest::keyClicks(box, text);
}

Form *Screen(const QString &formName) {
    return LoadedForm(formName);
}

bool ScreenVisible(const QString &formName) {
    Form *form = LoadedForm(formName);
    return form && form->isVisible();
}

QString NoteShown(const QWidget *screen) {
    const auto *note = screen->findChild<QLabel *>(QStringLiteral("refusalNote"));
    return note && note->isVisible() ? note->text() : QString();
}

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void EndRun() {
    if (ProgramRunning())
        ExitProgram();
    for (Form *form : LoadedForms())
        UnloadForm(form);
    Settle();
}

bool EndScreenTest() {
    EndRun();
    ResetVariables();
    return AllModalsHandled();
}

void Screenshot(QWidget *widget, const QString &name) {
    const QString folder = qEnvironmentVariable("VELBOR_SCREENSHOTS");
    if (folder.isEmpty() || !widget)
        return;
    QDir().mkpath(folder);
    // The picture shows the screen as the user sees it: with its layout brought up to date.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    widget->grab().save(folder + "/" + name + ".png");
}

void KeepForReview(const QString &path, const QString &name) {
    const QString folder = qEnvironmentVariable("VELBOR_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QFile::remove(folder + "/" + name);
    QFile::copy(path, folder + "/" + name);
}
