// Every page (in each of its modes) and every result dialog in all ten languages: no text
// is clipped, elided or overlapped. The shots go to build/gallery/<language>/.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextLayout>

#include "Gallery.h"
#include "QtTest.h"

namespace tests {
namespace {

using namespace tests;

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
            // A line that cannot be broken to the label's width would be cut.
            for (const QString& paragraph : label->text().split('\n')) {
                QTextLayout layout(paragraph, label->font());
                QTextOption option;
                option.setWrapMode(QTextOption::WordWrap);
                layout.setTextOption(option);
                layout.beginLayout();
                for (QTextLine line = layout.createLine(); line.isValid();
                     line = layout.createLine()) {
                    line.setLineWidth(label->width());
                    if (line.naturalTextWidth() > label->width() + 0.5) {
                        layout.endLayout();
                        return "a line wider than its label: " + paragraph;
                    }
                }
                layout.endLayout();
            }
        } else if (label->fontMetrics().horizontalAdvance(label->text()) > label->width() ||
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
            QList<QWidget*> shown;
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!widget->isVisible() || !ShowsText(widget) ||
                    qobject_cast<QLineEdit*>(widget->parentWidget())) {
                    continue;
                }
                if (qobject_cast<QLabel*>(widget) && qobject_cast<QLabel*>(widget)->text() == ".") {
                    continue;  // the dots inside an IP address control
                }
                const QString problem = Clipped(widget, window);
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
    EXPECT_EQ(screens, 21);
    framework::qt::InstallLanguage("en_US");
    platform::Install(&fake);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, Gallery,
                         ::testing::ValuesIn(framework::qt::SupportedLanguages()),
                         [](const auto& info) { return info.param.toStdString(); });

}  // namespace
}  // namespace tests
