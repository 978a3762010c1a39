// The diagnostics window's design and handlers; the run itself is in trouble_run.cpp.
#include "zktools/guided/trouble.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

#include "zktools/forms/nv_window_style.h"
#include "zktools/gauges/qx_dial.h"
#include "zktools/guided/progress_dial.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/modal_result.h"

using namespace std::chrono_literals;
using zk::platform::Guarded;

namespace {

// The designed outer size 625 x 380 less a 4-pixel border on each side and a
// 19-pixel caption.
constexpr int kClientWidth = 617;
constexpr int kClientHeight = 353;
constexpr int kFontPixels = 13;

QFont VerdanaPixels(int pixels, bool bold) {
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(VerdanaPixels(13, true));
    button->setGeometry(geometry);
    button->setToolTip(hint);
    return button;
}

} // namespace

TTroubleshooting::TTroubleshooting(QWidget* parent) : ModalForm(parent), Timer1(1000ms) {
    BuildWindow();
    StartHint = Checklist->document()->firstBlock().text();
    Timer1.SetHandler([this] { Timer1Timer(); });
}

TTroubleshooting::~TTroubleshooting() {
    Timer1.Stop();
}

void TTroubleshooting::BuildWindow() {
    setObjectName(QStringLiteral("Troubleshooting"));
    setWindowTitle(QStringLiteral("Diagnostics"));
    // The system menu and the close box only; above the other windows.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(VerdanaPixels(kFontPixels, false));

    btnStart = MakeButton(this, "btnStart", QStringLiteral("&Start"), QRect(432, 224, 145, 33),
                          QStringLiteral("Uploads information from the drive and starts the "
                                         "diagnostic procedure"));
    btnStart->setDefault(true);

    QxDial1 = new zk::gauges::TQxDial(this);
    QxDial1->setObjectName(QStringLiteral("QxDial1"));
    QxDial1->setGeometry(432, 16, 145, 177);
    diagnostics::SetUpProgressDial(*QxDial1, kFontPixels);
    QxDial1->SetHint(QStringLiteral("Shows the percentage of tests completed"));
    QxDial1->SetTabStop(false);

    btnCancel = MakeButton(this, "btnCancel", QStringLiteral("Cancel"), QRect(432, 280, 145, 33),
                           QStringLiteral("Cancels the diagnostics and returns to the main "
                                          "screen"));

    Checklist = new QPlainTextEdit(this);
    Checklist->setObjectName(QStringLiteral("Checklist"));
    Checklist->setGeometry(40, 16, 361, 305);
    Checklist->setReadOnly(true);
    Checklist->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Checklist->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Checklist->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Checklist->setToolTip(QStringLiteral("This list shows the diagnostic tests that failed"));
    Checklist->setPlainText(QStringLiteral("Press the 'Start' button to begin a diagnostic test"));

    setTabOrder(btnStart, btnCancel);
    setTabOrder(btnCancel, Checklist);

    // The result is set before the click handler runs, as the button's own.
    BindModalResult(btnCancel, zk::platform::kModalCancel);
    connect(btnStart, &QPushButton::clicked, this, Guarded([this] { btnStartClick(); }));
    connect(btnCancel, &QPushButton::clicked, this, Guarded([this] { btnCancelClick(); }));

    nvforms::CenterOnScreen(*this);
}

void TTroubleshooting::FormActivate() {
    Checklist->clear();
    AddLine(StartHint);
    QxDial1->SetValue(0);
    btnStart->setEnabled(true);
    btnStart->setFocus();
}

void TTroubleshooting::FormDeactivate() {
    Timer1.Stop();
}

void TTroubleshooting::btnStartClick() {
    // Disabling the focused Start would pass the focus on to Cancel, and Enter would
    // then close the window; the window keeps it, so Enter stays with Start.
    if (focusWidget() == btnStart)
        btnStart->clearFocus();
    btnStart->setEnabled(false);
    Checklist->clear();
    QxDial1->SetValue(0);
    Timer1.Start();
}

void TTroubleshooting::Timer1Timer() {
    Timer1.Stop();
    RunDiagnostics();
    btnStart->setEnabled(true);
}

QStringList TTroubleshooting::ChecklistLines() const {
    const QTextDocument* document = Checklist->document();
    QStringList lines;
    if (document->isEmpty())
        return lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}
