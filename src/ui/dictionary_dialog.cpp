#include "ui/dictionary_dialog.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QTextCursor>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <utility>

#include "errors/error_guard.h"
#include "game/dictionary_about.h"
#include "game/dictionary_folders.h"
#include "game/dictionary_order.h"
#include "review/review_dictionary.h"
#include "text/dictionary_languages.h"
#include "text/player_language.h"
#include "ui/translations.h"
#include "ui/window_fonts.h"

namespace lexo {
namespace {

constexpr int kFolderBytesRole = Qt::UserRole;
// Set on the review's entry, which no folder of the same name is taken for.
constexpr int kReviewRole = Qt::UserRole + 1;
constexpr int kItemHeight = 13;

class FixedHeightDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(kItemHeight);
        return size;
    }
};

// The number field beside the spinner shows the position but takes no typing; the arrows, the
// arrow keys and the mouse wheel still step it.
class SpeedSpinBox : public QSpinBox {
  public:
    explicit SpeedSpinBox(QWidget* parent) : QSpinBox(parent) { lineEdit()->setReadOnly(true); }
};

void MakeReadOnlyMemo(QPlainTextEdit* memo) {
    memo->setReadOnly(true);
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setFocusPolicy(Qt::StrongFocus);
    memo->setUndoRedoEnabled(false);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QLabel* MakeLabel(QWidget* parent, int left, int top, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// Narrows the label's font until its text ends within maxWidth, for when only a wide font is
// installed.
void FitLabelWidth(QLabel* label, int maxWidth) {
    QFont font = label->font();
    for (int stretch = 95; stretch >= 50; stretch -= 5) {
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= maxWidth) break;
        font.setStretch(stretch);
    }
    label->setFont(font);
    label->adjustSize();
}

void SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

}  // namespace

TForm3::TForm3(const std::string& workingDir, QWidget* parent)
    : QDialog(parent),
      workingDir_(workingDir),
      language_(ChoosePlayerLanguage([](const char* name) { return std::getenv(name); }).code) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(tr("Выберите словарь:"));
    setFont(ArialFont(11));
    setFixedSize(369, 258);
    CreateControls();
    SetTabOrder();
    List->setFocus();
    FormCreate();
}

void TForm3::CreateControls() {
    List = new QListWidget(this);
    List->setGeometry(0, 0, 177, 177);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setUniformItemSizes(true);
    List->setItemDelegate(new FixedHeightDelegate(List));
    connect(List, &QListWidget::itemSelectionChanged, this, &TForm3::ListClick);

    But1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("ОК"), this);
    But1->setGeometry(8, 184, 169, 25);
    But1->setEnabled(false);
    But1->setDefault(true);
    connect(But1, &QPushButton::clicked, this, &TForm3::But1Click);

    Label1 = MakeLabel(this, 184, 4);
    Label1->setFont(ArialFont(13));
    Label2 = MakeLabel(this, 184, 24);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(184, 40, 177, 121);
    MakeReadOnlyMemo(Memo1);
    // A read-only box leaves Enter unhandled, so the dialog would press OK with it.
    Memo1->installEventFilter(this);
    List->installEventFilter(this);

    CreateRadioGroup();

    Label3 = MakeLabel(this, 8, 216, tr("Чем больше это число, тем медленнее идут монстры:"));
    // The label ends before the speed field at 288.
    FitLabelWidth(Label3, 288 - 8 - 2);

    UpDown1 = new SpeedSpinBox(this);
    UpDown1->setGeometry(288, 216, 53, 21);
    UpDown1->setLocale(QLocale::c());
    UpDown1->setRange(1, 99);
    UpDown1->setSingleStep(1);
    UpDown1->setValue(kInitialSpeed);
    UpDown1->setWrapping(false);

    QuitButton = new QPushButton(tr("Выход"), this);
    QuitButton->setGeometry(But1->geometry());
    QuitButton->hide();
    connect(QuitButton, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });

    SpeechBox = new QCheckBox(tr("Произносить слова"), this);
    SpeechBox->setGeometry(8, 239, 353, 17);
    SpeechBox->setEnabled(false);
    // Only the player's own clicks are remembered, not the box following the dictionary.
    connect(SpeechBox, &QCheckBox::clicked, this,
            [this](bool checked) { settings_.SetSpeech(checked); });
}

void TForm3::CreateRadioGroup() {
    RadioGroup1 = new QGroupBox(tr("Режим игры"), this);
    RadioGroup1->setGeometry(184, 160, 177, 49);
    WordsChoice = new QRadioButton(tr("Ввод слов"), RadioGroup1);
    WordsChoice->setGeometry(8, 18, 161, 15);
    TranslationsChoice = new QRadioButton(tr("Ввод переводов"), RadioGroup1);
    TranslationsChoice->setGeometry(8, 33, 161, 15);
    TranslationsChoice->setChecked(true);
    // As in a classic radio group, Tab reaches only the chosen mode and the arrow keys change
    // it, so a player can switch modes from the keyboard.
    for (QRadioButton* choice : {WordsChoice, TranslationsChoice}) {
        choice->installEventFilter(this);
        connect(choice, &QRadioButton::toggled, this, [choice](bool checked) {
            choice->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    WordsChoice->setFocusPolicy(Qt::ClickFocus);
}

void TForm3::SetTabOrder() {
    setTabOrder(List, But1);
    setTabOrder(But1, QuitButton);
    setTabOrder(QuitButton, Memo1);
    setTabOrder(Memo1, WordsChoice);
    setTabOrder(WordsChoice, TranslationsChoice);
    setTabOrder(TranslationsChoice, UpDown1);
    setTabOrder(UpDown1, SpeechBox);
}

void TForm3::FormCreate() { LookForDictionaries(); }

// The folders as they are now, and the review when words are due; the entry shown before is
// selected again when it is still there, otherwise nothing is.
void TForm3::LookForDictionaries() {
    const QByteArray shownFolder =
        shownItem_ != nullptr ? shownItem_->data(kFolderBytesRole).toByteArray() : QByteArray();
    const bool asked = std::exchange(selectReview_, false);
    const bool shownReview = selectedReview_ != nullptr || asked;
    {
        QSignalBlocker blocker(List);
        List->clear();
        shownItem_ = nullptr;
        review_ = reviewSource_ ? reviewSource_() : nullptr;
        if (review_ != nullptr) {
            auto* item = new QListWidgetItem(QString::fromStdString(TranslatedReviewTexts().name));
            item->setData(kReviewRole, true);
            QFont font = List->font();
            font.setBold(true);
            item->setFont(font);
            List->addItem(item);
        }
        std::vector<ListedDictionary> dictionaries;
        for (std::string& folder : ScanDictionaryFolders(workingDir_)) {
            auto languages = ReadLanguages(DictionaryFilePath(workingDir_, folder, kLanguagesFile));
            dictionaries.push_back({std::move(folder), std::move(languages)});
        }
        for (const ListedDictionary& dictionary : PlayerOrder(std::move(dictionaries), language_)) {
            QByteArray bytes = QByteArray::fromStdString(dictionary.name);
            auto* item = new QListWidgetItem(QFile::decodeName(bytes));
            item->setData(kFolderBytesRole, bytes);
            List->addItem(item);
        }
    }
    ShowNoDictionaryHelp(List->count() == 0);
    SelectAgain(shownFolder, shownReview);
}

void TForm3::SelectAgain(const QByteArray& folder, bool review) {
    QListWidgetItem* again = nullptr;
    for (int row = 0; row < List->count() && again == nullptr; ++row) {
        QListWidgetItem* item = List->item(row);
        const bool isReview = item->data(kReviewRole).toBool();
        if (review ? isReview : !isReview && item->data(kFolderBytesRole) == folder) again = item;
    }
    selectedReview_ = nullptr;
    if (again == nullptr && (review || !folder.isEmpty())) {
        // The entry shown is gone (a folder removed, no word due any more): nothing is chosen.
        selectedFolder_.clear();
        if (List->count() > 0) {
            SetLabelText(Label1, QString());
            SetLabelText(Label2, QString());
            Memo1->clear();
            But1->setEnabled(false);
        }
    }
    if (again != nullptr) List->setCurrentItem(again);
}

// Without a dictionary folder no game can start: say where the game looked and what a
// dictionary folder holds, and let the player leave. Once there is one, the dialog is as usual.
void TForm3::ShowNoDictionaryHelp(bool none) {
    if (none) {
        SetLabelText(Label1, tr("Словари не найдены"));
        SetLabelText(Label2, QString());
        Memo1->setPlainText(tr("Папка, в которой искали словари:\n%1\n\n"
                               "Словарь - это папка внутри неё с тремя файлами: "
                               "about.txt, names.txt и names2.txt.")
                                .arg(QFile::decodeName(
                                    QByteArray::fromStdString(AbsoluteFolderPath(workingDir_)))));
    } else if (QuitButton->isDefault()) {
        SetLabelText(Label1, QString());
        Memo1->clear();
    }
    But1->setVisible(!none);
    But1->setDefault(!none);
    QuitButton->setVisible(none);
    QuitButton->setDefault(none);
}

// Like an about.txt: the title, then the description.
QString TForm3::ReviewAbout() const {
    QStringList lines;
    for (const std::string& line : lexo::ReviewAbout(*review_, TranslatedReviewTexts()))
        lines << QString::fromStdString(line);
    return lines.join('\n');
}

std::optional<DictionaryChoice> TForm3::ShowModalDialog(bool offerQuit) {
    // A dialog already open cannot be shown again; its refused showing is no choice.
    if (isVisible()) throw std::logic_error("the dictionary dialog is already open");
    LookForDictionaries();
    OfferQuit(offerQuit);
    const int result = exec();
    OfferQuit(false);
    if (result != QDialog::Accepted) return std::nullopt;
    return DictionaryChoice{selectedFolder_, confirmedMode_, SpeedPosition(),
                            SpeechBox->isEnabled() && SpeechBox->isChecked(), selectedReview_};
}

// After a dictionary failed to load, the player may rather leave than choose again.
void TForm3::OfferQuit(bool offer) {
    if (List->count() == 0) return;
    But1->setGeometry(8, 184, offer ? 82 : 169, 25);
    QuitButton->setGeometry(95, 184, 82, 25);
    QuitButton->setVisible(offer);
}

int32_t TForm3::SpeedPosition() const { return UpDown1->value(); }

void TForm3::reject() {}

void TForm3::setVisible(bool visible) {
    if (visible && !isVisible()) {
        if (QScreen* screen = this->screen()) {
            QRect desktop = screen->availableGeometry();
            move(desktop.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QDialog::setVisible(visible);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    if ((watched == WordsChoice || watched == TranslationsChoice) &&
        event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left ||
            key == Qt::Key_Right) {
            QRadioButton* other = watched == WordsChoice ? TranslationsChoice : WordsChoice;
            other->setChecked(true);
            other->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    // With nothing selected, the first arrow key selects the first entry, as a player expects,
    // instead of stepping past the entry that merely has the focus frame.
    if (watched == List && event->type() == QEvent::KeyPress && List->selectedItems().isEmpty() &&
        List->count() > 0) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            List->setCurrentRow(0);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm3::ListClick() {
    QList<QListWidgetItem*> selected = List->selectedItems();
    if (selected.isEmpty()) return;
    QListWidgetItem* item = selected.front();
    if (item->data(kReviewRole).toBool()) {
        selectedFolder_ = review_->name;
        selectedReview_ = review_;
        // The review mixes dictionaries, so it has no one language to speak in.
        SpeechBox->setEnabled(false);
        SpeechBox->setChecked(false);
        ShowAbout(item->text(), ReviewAbout());
        But1->setEnabled(true);
        shownItem_ = item;
        return;
    }
    std::string folder = item->data(kFolderBytesRole).toByteArray().toStdString();
    std::string about;
    bool read = RunGuarded([&] { about = FolderAbout(workingDir_, folder, language_); });
    // A folder whose description cannot be read is not chosen: everything stays as it was.
    if (!read) {
        RestoreSelection();
        return;
    }
    selectedFolder_ = folder;
    selectedReview_ = nullptr;
    ShowSpeechChoice(folder);
    ShowAbout(item->text(), QString::fromStdString(about));
    But1->setEnabled(true);
    shownItem_ = item;
}

// The title is the first row of the description box as it wraps the text; that row leaves
// the box. A first line too wide for the box keeps its further rows at the top of the box.
void TForm3::ShowAbout(const QString& folderName, const QString& about) {
    Memo1->setPlainText(about);
    SetLabelText(Label1, folderName);

    QTextDocument* document = Memo1->document();
    QTextBlock first = document->firstBlock();
    if (auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout())) {
        layout->ensureBlockLayout(first);
    }
    int rowLength = first.length() - 1;
    bool wraps = first.layout() != nullptr && first.layout()->lineCount() > 1;
    if (wraps) rowLength = first.layout()->lineAt(0).textLength();
    SetLabelText(Label2, first.text().left(rowLength));

    int rowEnd = first.position() + rowLength;
    if (!wraps && first.next().isValid()) rowEnd = first.next().position();
    QTextCursor cursor(document);
    cursor.setPosition(first.position());
    cursor.setPosition(rowEnd, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void TForm3::RestoreSelection() {
    QSignalBlocker blocker(List);
    if (shownItem_ != nullptr) {
        List->setCurrentItem(shownItem_);
    } else {
        List->clearSelection();
        List->setCurrentItem(nullptr);
    }
}

// Words are spoken only in a dictionary that says their language; on by default.
void TForm3::ShowSpeechChoice(const std::string& folder) {
    const bool named = NamesLanguages(workingDir_, folder);
    SpeechBox->setEnabled(named);
    SpeechBox->setChecked(named && settings_.Speech());
}

void TForm3::But1Click() {
    confirmedMode_ = WordsChoice->isChecked() ? kModeWords : kModeTranslations;
    accept();
}

}  // namespace lexo
