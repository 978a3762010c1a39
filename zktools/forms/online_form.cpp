// The on-line editor's window: controls, their handlers and the hand-overs of the status
// thread.
#include "zktools/forms/online_form.h"

#include "zktools/forms/connection_status.h"
#include "zktools/forms/val_dlg_base.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/help_requests.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>

using zk::platform::Guarded;

namespace {

constexpr int kClientWidth = 594;
constexpr int kClientHeight = 472;
constexpr int kColumnWidth = 175;
constexpr int kRowHeight = 24;
constexpr int kHelpContext = 2;

QFont PixelFont(const QFont& base, int pixels, bool bold) {
    QFont font(base);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(PixelFont(QFont(QStringLiteral("Verdana")), 13, true));
    button->setGeometry(geometry);
    return button;
}

} // namespace

const QString TOnlineForm::SettingsKey = QStringLiteral("SOFTWARE\\Qorvel\\Tamberlyne\\SelPara");

TOnlineForm::TOnlineForm(QWidget* parent) : ModalForm(parent) {
    BuildWindow();
    ConnectHandlers();
    // The value dialogs read SelName and IVMode when this editor opens them.
    TValueDialog::RegisterOpener(TValueDialog::kFromOnlineEditor, {&SelName, &IVMode});
}

TOnlineForm::~TOnlineForm() {
    const ValueDialogOpener registered =
        TValueDialog::RegisterOpener(TValueDialog::kFromOnlineEditor, {});
    if (registered.SelName != &SelName) {
        TValueDialog::RegisterOpener(TValueDialog::kFromOnlineEditor, registered);
    }
}

void TOnlineForm::BuildWindow() {
    setObjectName(QStringLiteral("OnlineForm"));
    setWindowTitle(QStringLiteral("Edit Drive Variables Online"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFont(PixelFont(font(), 11, false));
    setFixedSize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        move(desktop.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }

    BuildGrid();

    cmbSelection = new QComboBox(this);
    cmbSelection->setObjectName(QStringLiteral("cmbSelection"));
    cmbSelection->setEditable(true);
    // Typed text is matched against the parameters, never completed or added to the list.
    cmbSelection->setInsertPolicy(QComboBox::NoInsert);
    cmbSelection->setCompleter(nullptr);
    cmbSelection->setFont(PixelFont(font(), 13, false));
    cmbSelection->view()->setStyleSheet(QStringLiteral("QListView::item { height: 16px; }"));
    cmbSelection->setGeometry(389, 48, 156, cmbSelection->sizeHint().height());
    cmbSelection->setEditText(QStringLiteral("<Delete>"));
    cmbSelection->hide();
    // The combo is the focus widget: keys arrive there and it hands them to its line edit
    // directly, past any filter on the line edit.
    cmbSelection->installEventFilter(this);

    btnHelp = MakeButton(this, "btnHelp", QStringLiteral("Help"), QRect(344, 376, 89, 25));
    btnClose = MakeButton(this, "btnClose", QStringLiteral("Close"), QRect(464, 376, 81, 25));

    Panel1 = new QLabel(QStringLiteral("No Communication"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(56, 368, 201, 49);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setFont(PixelFont(font(), 16, true));
    Panel1->setAutoFillBackground(true);
    QPalette red = Panel1->palette();
    red.setColor(QPalette::Window, Qt::red);
    red.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(red);

    BuildStatus();
}

void TOnlineForm::BuildGrid() {
    StringGrid1 = new QTableWidget(RowCount, 2, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(32, 24, 529, 329);
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
    StringGrid1->verticalHeader()->hide();
    QHeaderView* header = StringGrid1->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultSectionSize(kColumnWidth);
    header->setFixedHeight(kRowHeight + 1);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight + 1);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setShowGrid(true);
    StringGrid1->setWordWrap(false);
    StringGrid1->setTabKeyNavigation(false);
    QPalette palette = StringGrid1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    StringGrid1->setPalette(palette);
    for (int row = 1; row <= RowCount; ++row) {
        ClearRow(row);
    }
    StringGrid1->setCurrentCell(0, 0);
    StringGrid1->installEventFilter(this);
}

void TOnlineForm::BuildStatus() {
    stbStatus = new QStatusBar(this);
    stbStatus->setObjectName(QStringLiteral("stbStatus"));
    stbStatus->setSizeGripEnabled(false);
    stbStatus->setGeometry(0, kClientHeight - 32, kClientWidth, 32);
    const char* captions[3] = {"Drive", "Status", "Fault Code"};
    const int widths[3] = {300, 100, 50};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(QString::fromLatin1(captions[i]), stbStatus);
        panel->setObjectName(QStringLiteral("stbStatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(widths[i]);
        if (i < 2) {
            panel->setFixedWidth(widths[i]);
        }
        // The last panel takes the rest of the bar, as a status bar's last panel does.
        stbStatus->addWidget(panel, i < 2 ? 0 : 1);
        StatusPanels[i] = panel;
    }
}

void TOnlineForm::ConnectHandlers() {
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            Guarded([this](int row, int column) {
                if (row >= 0 && column >= 0) {
                    SelectCell(column, row + 1);
                }
            }));
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this,
            Guarded([this] { StringGrid1DbleClick(); }));
    // Every change of the text the user makes; setting it in code is not one.
    connect(cmbSelection->lineEdit(), &QLineEdit::textEdited, this,
            Guarded([this] { cmbSelectionChange(); }));
    // A list entry chosen. The combo also reports its text as chosen when the focus leaves it
    // with a text that names an entry; that is no change and must not read the drive again.
    connect(cmbSelection, &QComboBox::textActivated, this, Guarded([this] {
                if (!SelectionLeaving && cmbSelection->isVisible()) {
                    cmbSelectionChange();
                }
            }));
    BindModalResult(btnClose, zk::platform::kModalOk);
    connect(btnClose, &QPushButton::clicked, this, Guarded([this] { btnCloseClick(); }));
    connect(btnHelp, &QPushButton::clicked, this, Guarded([this] { btnHelpClick(); }));
}

void TOnlineForm::AttachStatusThread(TConnectionStatus* thread) {
    if (thread == AttachedThread) {
        return;
    }
    if (AttachedThread) {
        disconnect(AttachedThread, nullptr, this, nullptr);
    }
    AttachedThread = thread;
    if (thread == nullptr) {
        return;
    }
    thread->ConnectHandOvers(
        this,
        [this](const DriveStatusSnapshot& snapshot) {
            zk::platform::Guard([&] { ShowDriveStatus(snapshot); });
        },
        [this] {
            zk::platform::Guard([this] {
                // Handed over by a pass before this showing's full read: the table may
                // still hold what the NV editor put there, not what the drive holds.
                if (AttachedThread && !AttachedThread->FullReadDone(FullReadRequest)) {
                    return;
                }
                RefreshValues();
            });
        });
}

bool TOnlineForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmbSelection) {
        if (event->type() == QEvent::FocusOut) {
            SelectionLeaving = static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
        } else if (event->type() == QEvent::FocusIn) {
            SelectionLeaving = false;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == StringGrid1 && key->key() == Qt::Key_F1) {
            // The help hook then asks GetSelectedName for the key.
            zk::platform::Guard([] {
                zk::platform::RequestHelp(zk::platform::HelpRequest::PartialKey(QString()));
            });
            return true;
        }
        if (watched == cmbSelection &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            zk::platform::Guard([this] { cmbSelectionKeyPress('\r'); });
            return true;
        }
    }
    return ModalForm::eventFilter(watched, event);
}

void TOnlineForm::btnHelpClick() {
    zk::platform::RequestHelp(zk::platform::HelpRequest::Context(kHelpContext));
}

QWidget* TOnlineForm::HelpGrid() const {
    return StringGrid1;
}

std::string TOnlineForm::GetSelectedName() const {
    const int row = CurrentRow();
    if (!StringGrid1->hasFocus() || row == 0) {
        return {};
    }
    return Cell(0, row).toStdString();
}

QString TOnlineForm::Cell(int column, int row) const {
    if (row == 0) {
        const QTableWidgetItem* heading = StringGrid1->horizontalHeaderItem(column);
        return heading != nullptr ? heading->text() : QString();
    }
    const QTableWidgetItem* item = StringGrid1->item(row - 1, column);
    return item != nullptr ? item->text() : QString();
}

void TOnlineForm::SetCell(int column, int row, const QString& text) {
    QTableWidgetItem* item = StringGrid1->item(row - 1, column);
    if (item == nullptr) {
        item = new QTableWidgetItem();
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        StringGrid1->setItem(row - 1, column, item);
    }
    item->setText(text);
}

void TOnlineForm::ClearRow(int row) {
    SetCell(0, row, QString());
    SetCell(1, row, QString());
}

int TOnlineForm::CurrentRow() const {
    const int row = StringGrid1->currentRow();
    return row >= 0 ? row + 1 : 0;
}

QString TOnlineForm::PanelText(int panel) const {
    return StatusPanels[panel]->text();
}
