// Every page (in each of its modes) and every result dialog in all ten languages: no text
// is clipped, elided or overlapped. The shots go to build/gallery/<language>/.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextLayout>
#include <algorithm>
#include <map>
#include <vector>

#include "Gallery.h"
#include "QtTest.h"
#include "framework/Text.h"

namespace tests {
namespace {

using namespace tests;

struct Line {
    QString text;
    qreal width;  // as laid out
};

// A paragraph of a wrapping label broken into lines as the label breaks it.
std::vector<Line> WrappedLines(QLabel* label, const QString& paragraph) {
    QTextLayout layout(paragraph, label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    std::vector<Line> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->width());
        lines.push_back(
            {paragraph.mid(line.textStart(), line.textLength()), line.naturalTextWidth()});
    }
    layout.endLayout();
    return lines;
}

// A wrapped label's lines as the label breaks them: none ends inside a hyphenated word
// ("sous-" / "réseau", "USB-" / "Stick"), and no CJK paragraph leaves one character alone on
// its last line.
QString BadBreak(QLabel* label) {
    for (const QString& paragraph : label->text().split('\n')) {
        const std::vector<Line> lines = WrappedLines(label, paragraph);
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            const QString& end = lines[i].text;
            const QString& next = lines[i + 1].text;
            if (end.size() >= 2 && end.endsWith('-') && end[end.size() - 2].isLetter() &&
                !next.isEmpty() && next[0].isLetter()) {
                return "breaks inside a hyphenated word: " + end + " / " + next;
            }
        }
        // One character, with at most the punctuation that closes it ("面。").
        const QString last = lines.empty() ? QString() : lines.back().text.trimmed();
        const auto letters =
            std::count_if(last.begin(), last.end(), [](QChar c) { return !c.isPunct(); });
        if (lines.size() > 1 && letters == 1 && framework::IsCjk(last[0].unicode())) {
            return "leaves one character alone on its last line: " + paragraph;
        }
    }
    return {};
}

// A label beside a field keeps a gap before it: its text never touches the field.
// A label's text as drawn: a label naming a field shows its access key underlined, not '&'.
int TextWidth(QLabel* label) {
    return label->fontMetrics()
        .size(label->buddy() ? Qt::TextShowMnemonic : 0, label->text())
        .width();
}

QString TouchesItsField(QLabel* label, QWidget* window) {
    if (label->wordWrap() || label->text().isEmpty()) {
        return {};
    }
    const QRect box(label->mapTo(window, QPoint(0, 0)), label->size());
    const int textRight = box.x() + TextWidth(label);
    for (QWidget* field : window->findChildren<QWidget*>()) {
        const bool isField = qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field) ||
                             field->inherits("framework::qt::CIPAddressCtrl");
        if (!isField || !field->isVisible() || qobject_cast<QLineEdit*>(field->parentWidget())) {
            continue;
        }
        const QRect other(field->mapTo(window, QPoint(0, 0)), field->size());
        const bool onRow = other.top() < box.bottom() && box.top() < other.bottom();
        if (onRow && other.x() > box.x() && other.x() - textRight < 4) {
            return QString("its text ends %1 px before its field").arg(other.x() - textRight);
        }
    }
    return {};
}

// What does not fit in `widget`, or an empty string.
QString Clipped(QWidget* widget, QWidget* window) {
    const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
    if (!window->rect().contains(inWindow)) {
        return "outside the window";
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty()) {
            return {};
        }
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height()) {
                return "wrapped text taller than its label";
            }
            if (const QString bad = BadBreak(label); !bad.isEmpty()) {
                return bad;
            }
            // A line that cannot be broken to the label's width would be cut.
            for (const QString& paragraph : label->text().split('\n')) {
                for (const Line& line : WrappedLines(label, paragraph)) {
                    if (line.width > label->width() + 0.5) {
                        return "a line wider than its label: " + paragraph;
                    }
                }
            }
        } else if (TextWidth(label) > label->width() ||
                   label->fontMetrics().height() > label->height()) {
            return "text wider or taller than its label";
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const QSize hint = button->sizeHint();
        if (hint.width() > button->width() || hint.height() > button->height() + 2) {
            return QString("needs %1x%2, has %3x%4")
                .arg(hint.width())
                .arg(hint.height())
                .arg(button->width())
                .arg(button->height());
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        for (int i = 0; i < combo->count(); ++i) {
            if (combo->fontMetrics().horizontalAdvance(combo->itemText(i)) + 24 > combo->width()) {
                return "entry wider than the box: " + combo->itemText(i);
            }
        }
    }
    return {};
}

bool ShowsText(QWidget* widget) {
    return qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
           qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QPlainTextEdit*>(widget);
}

class Gallery : public QtTest, public ::testing::WithParamInterface<QString> {};

// Every radio button, every button of a result dialog and every label that names a field has
// an access key; no two controls a window shows share one (the sheet's own buttons count).
void ExpectAccessKeys(QWidget* window, const std::string& where, bool dialog) {
    std::map<QString, QString> taken;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (!widget->isVisible() || !(button || (label && label->buddy()))) {
            continue;
        }
        const QString text = button ? button->text() : label->text();
        const QString key = QKeySequence::mnemonic(text).toString(QKeySequence::PortableText);
        EXPECT_TRUE(!key.isEmpty() || (button && !qobject_cast<QRadioButton*>(button) && !dialog))
            << where << ": no access key in \"" << text.toStdString() << "\"";
        if (!key.isEmpty()) {
            const auto [it, fresh] = taken.emplace(key.toUpper(), text);
            EXPECT_TRUE(fresh) << where << ": " << key.toStdString() << " in \""
                               << text.toStdString() << "\" and \"" << it->second.toStdString()
                               << "\"";
        }
    }
}

TEST_P(Gallery, NoTextClippedOrOverlapping) {
    framework::qt::QtPlatform platform;
    platform::Install(&platform);
    framework::qt::InstallLanguage(GetParam());
    framework::SetApplicationName(wizard::LoadToolTitle());
    const QString out = QStringLiteral(K4400_GALLERY "/") + GetParam();
    QDir().mkpath(out);
    int screens = 0;
    QSize sheetSize;
    const auto driver = tests::MakePageDriver();
    tests::VisitAllScreens(
        *driver, [&](const std::string& screenName, const tests::Screen& screen) {
            ++screens;
            const QString name = QString::fromStdString(screenName);
            QWidget* window = tests::WindowOf(screen);
            tests::SaveShot(window, out + "/" + name + ".png");
            if (screen.sheet) {
                // One window size for every page: it never jumps as the user moves on.
                if (sheetSize.isEmpty()) {
                    sheetSize = window->size();
                }
                EXPECT_EQ(window->size(), sheetSize)
                    << GetParam().toStdString() << " " << name.toStdString();
                // Every control, pictures too, lies inside its page.
                QWidget* page = framework::qt::PageWidget(*screen.sheet->GetActivePage());
                for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    EXPECT_TRUE(!control->isVisible() || page->rect().contains(control->geometry()))
                        << GetParam().toStdString() << " " << name.toStdString() << " control "
                        << control->objectName().toStdString() << " leaves its page";
                }
            }
            ExpectAccessKeys(window, GetParam().toStdString() + " " + screenName, !screen.sheet);
            QList<QWidget*> shown;
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!widget->isVisible() || !ShowsText(widget) ||
                    qobject_cast<QLineEdit*>(widget->parentWidget())) {
                    continue;
                }
                if (qobject_cast<QLabel*>(widget) && qobject_cast<QLabel*>(widget)->text() == ".") {
                    continue;  // the dots inside an IP address control
                }
                QString problem = Clipped(widget, window);
                if (auto* label = qobject_cast<QLabel*>(widget); label && problem.isEmpty()) {
                    problem = TouchesItsField(label, window);
                }
                EXPECT_TRUE(problem.isEmpty())
                    << GetParam().toStdString() << " " << name.toStdString() << " control "
                    << widget->objectName().toStdString() << ": " << problem.toStdString();
                shown << widget;
            }
            for (int i = 0; i < shown.size(); ++i) {
                for (int j = i + 1; j < shown.size(); ++j) {
                    if (shown[i]->parentWidget() != shown[j]->parentWidget()) {
                        continue;
                    }
                    // Controls that touch may share a pixel or two where dialog units round.
                    const QRect overlap = shown[i]->geometry() & shown[j]->geometry();
                    EXPECT_TRUE(overlap.width() <= 3 || overlap.height() <= 3)
                        << GetParam().toStdString() << " " << name.toStdString() << ": controls "
                        << shown[i]->objectName().toStdString() << " and "
                        << shown[j]->objectName().toStdString() << " overlap";
                }
            }
        });
    EXPECT_EQ(screens, tests::kScreenCount);
    framework::qt::InstallLanguage("en_US");
    platform::Install(&fake);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, Gallery,
                         ::testing::ValuesIn(framework::qt::SupportedLanguages()),
                         [](const auto& info) { return info.param.toStdString(); });

}  // namespace
}  // namespace tests
