// With English chosen nothing the user reads is Russian: the widgets, actions and
// tooltips of both views, the message boxes, the headless outputs; the English
// captions fit their labels at 100 % and at the largest text step; the English
// table is one for an English spreadsheet.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "lesson/lesson_window.h"
#include "lesson/view_switch.h"
#include "support/fake_desktop.h"
#include "support/run_program.h"
#include "window/language.h"
#include "window/main_menu.h"
#include "window/view_scale.h"

using namespace velunta;

class EnglishTest : public QObject {
    Q_OBJECT
    testing::FakeDesktop desktop;
    QTemporaryDir work;

    static bool russian(const QString& s) {
        return std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
    }

    // Every text of a window and its children that has a Russian letter. The language
    // menu names each language in itself, so "Русский" is read in English too.
    static QStringList russianTexts(QWidget* top) {
        QStringList found;
        const auto check = [&](const QObject* o, const QString& what, const QString& text) {
            if (russian(text) && text != QStringLiteral("Язык / Language") && text != QStringLiteral("Русский"))
                found << QStringLiteral("%1 %2 %3: %4").arg(o->metaObject()->className(), o->objectName(), what, text);
        };
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets << top;
        for (QWidget* w : widgets) {
            for (const auto& [what, text] : {std::pair{"title", w->windowTitle()}, {"tooltip", w->toolTip()},
                                             {"accessible name", w->accessibleName()}, {"status tip", w->statusTip()}})
                check(w, what, text);
            if (auto* l = qobject_cast<QLabel*>(w)) check(w, "text", l->text());
            if (auto* b = qobject_cast<QAbstractButton*>(w)) check(w, "text", b->text());
            if (auto* g = qobject_cast<QGroupBox*>(w)) check(w, "title", g->title());
            if (auto* e = qobject_cast<QLineEdit*>(w)) check(w, "placeholder", e->placeholderText());
            if (auto* m = qobject_cast<QMenu*>(w)) check(w, "title", m->title());
            if (auto* c = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < c->count(); ++i) check(w, "item", c->itemText(i));
            if (auto* t = qobject_cast<QTableWidget*>(w))
                for (int i = 0; i < std::max(t->rowCount(), t->columnCount()); ++i)
                    for (QTableWidgetItem* item : {t->horizontalHeaderItem(i), t->verticalHeaderItem(i)})
                        if (item) check(w, "header", item->text() + ' ' + item->toolTip());
            for (QAction* a : w->actions()) {
                check(a, "action", a->text());
                check(a, "action tooltip", a->toolTip());
            }
        }
        return found;
    }

    static QStringList clippedCaptions(QWidget* top) {
        QStringList found;
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->width() == 0) continue;
            auto* l = qobject_cast<QLabel*>(w);
            auto* b = qobject_cast<QAbstractButton*>(w);
            if ((!l || l->wordWrap() || l->text().isEmpty() || l->textFormat() == Qt::RichText) && !b) continue;
            const QString text = l ? l->text() : b->text();
            int wide = 0;
            for (const QString& line : text.split('\n')) wide = std::max(wide, w->fontMetrics().horizontalAdvance(QString(line).remove('&')));
            // A push button's text may use its width but its frame; a radio button's
            // indicator and spacing are in its size hint.
            const bool push = b && !b->inherits("QRadioButton") && !b->inherits("QCheckBox");
            const int room = l ? l->contentsRect().width() - 2 * std::max(0, l->indent()) : b->width();
            const int needed = l ? wide : push ? wide + 4 : b->sizeHint().width();
            if (needed > room + 1) found << QStringLiteral("%1 \"%2\": %3 > %4").arg(w->objectName(), text).arg(needed).arg(room);
        }
        return found;
    }

private slots:
    void initTestCase() {
        QVERIFY(work.isValid());
        QDir::setCurrent(work.path());
        installTranslators(*qApp, Language{QStringLiteral("en")});
    }

    // Both views as they open, with a published fall loaded and with curves kept.
    void widgets_data() {
        QTest::addColumn<bool>("lesson");
        QTest::addColumn<bool>("measured");
        for (bool lesson : {false, true}) {
            QTest::addRow("%s at start", lesson ? "lesson" : "classic") << lesson << false;
            QTest::addRow("%s with Newton's fall and kept curves", lesson ? "lesson" : "classic") << lesson << true;
        }
    }

    void widgets() {
        QFETCH(bool, lesson);
        QFETCH(bool, measured);
        auto w = desktop.window();
        ViewSwitch views(*w);
        if (measured) {
            w->findChild<QAction*>("mnuKeepCurves")->trigger();
            w->findChild<QMenu*>("mnuExperiment")->actions().first()->trigger();
        }
        if (lesson) views.showLesson();
        QWidget* top = lesson ? static_cast<QWidget*>(views.lesson()) : w.get();
        const QStringList found = russianTexts(top);
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        QCOMPARE(desktop.dialogs.shown.size(), 0u);
    }

    // Each refusal of a typed value, and each command that answers with a box.
    void messages_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("command");
        const struct { const char* name; const char* field; const char* typed; } typed[] = {
            {"no height", "h", "0"}, {"under the ground", "h", "-1"}, {"too high", "h", "1e6"},
            {"too fast", "V0y", "1e5"}, {"a point", "d", "0"}, {"a ball so large it floats", "d", "200"},
            {"a ball floating", "d", "1"}, {"no mass", "massa", "0"}, {"too light", "massa", "0.000001"},
            {"too heavy", "massa", "1e10"}, {"no medium", "r0", "0"}, {"denser than the ball", "r0", "9000"},
            {"a medium denser than any", "r0", "2e5"}, {"no viscosity", "eta", "0"}, {"too viscous", "eta", "2e4"},
            {"no drag", "c", "0"}, {"too much drag", "c", "2000"}, {"too large a number", "h", "1e400"},
        };
        for (const auto& t : typed) QTest::newRow(t.name) << t.field << t.typed << "";
        for (const char* command : {"mnuHelpAbout", "mnuHelpAbout2", "mnuFileExit", "mnuFilespravka2", "mnuFilePasteData"})
            QTest::newRow(command) << "" << "" << command;
    }

    void messages() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, command);
        auto w = desktop.window();
        desktop.opener.fails = true;  // a desktop without a reader for the documents
        QApplication::clipboard()->clear();
        if (!command.isEmpty()) {
            w->findChild<QAction*>(command)->trigger();
        } else {
            auto* box = w->findChild<QLineEdit*>(fieldInfo(findField(field.toStdString())->field).control);
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, Qt::Key_Return);
        }
        QVERIFY(!desktop.dialogs.shown.empty());
        for (const testing::ShownBox& b : desktop.dialogs.shown)
            QVERIFY2(!russian(b.text + b.title), qPrintable(b.title + ": " + b.text));
    }

    // The outputs without a window: what is printed, written and refused.
    void headless_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file");
        QTest::newRow("--help") << QStringList{"--help"} << "";
        QTest::newRow("--version") << QStringList{"--version"} << "";
        QTest::newRow("--table with Newton's fall") << QStringList{"--table=t.csv", "--data=newton1710-1"} << "t.csv";
        QTest::newRow("--table with a fall from a file") << QStringList{"--table=t.csv", "--data=fall.csv"} << "t.csv";
        QTest::newRow("--worksheet") << QStringList{"--worksheet=w.pdf", "--h=20"} << "w.pdf";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "";
        QTest::newRow("not a number") << QStringList{"--h=abc", "--report"} << "";
        QTest::newRow("a refused input") << QStringList{"--h=0", "--report"} << "";
        QTest::newRow("a bad table of points") << QStringList{"--table=t.csv", "--data=bad.csv"} << "";
        QTest::newRow("a wrong suffix") << QStringList{"--worksheet=w.txt"} << "";
        QTest::newRow("a setting alone") << QStringList{"--step=1"} << "";
    }

    void headless() {
        QFETCH(QStringList, args);
        QFETCH(QString, file);
        for (const auto& [name, text] : {std::pair{"fall.csv", "t;y\n0;2\n0,5;0,8\n"}, {"bad.csv", "t;y\n0;2\n1;x\n"}}) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) > 0);
        }
        QFile::remove(file);
        const testing::ProgramRun run = testing::runProgram(args + QStringList{"--lang=en"});
        QVERIFY2(!russian(run.out + run.err), qPrintable(run.out + run.err));
        QVERIFY(!(run.out + run.err).isEmpty() || !file.isEmpty());
        if (file.isEmpty()) return;
        QCOMPARE(run.status, 0);
        QString written;
        if (file.endsWith(".pdf")) {
            QProcess text;
            text.start("pdftotext", {file, "-"});
            QVERIFY(text.waitForFinished(30000) && text.exitCode() == 0);
            written = QString::fromUtf8(text.readAllStandardOutput());
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            written = QString::fromUtf8(f.readAll());
        }
        QVERIFY(written.size() > 200);
        QVERIFY2(!russian(written), qPrintable(written.left(3000)));
    }

    // A table for the spreadsheet of the language: the Russian one with a semicolon and
    // a decimal comma, the English one with a comma and a point; every row the header's width.
    void table_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QChar>("decimal");
        QTest::newRow("Russian") << "ru" << QChar(';') << QChar(',');
        QTest::newRow("English") << "en" << QChar(',') << QChar('.');
    }

    void table() {
        QFETCH(QString, lang);
        QFETCH(QChar, separator);
        QFETCH(QChar, decimal);
        QCOMPARE(testing::runProgram({"--table=t.csv", "--h=10", "--lang=" + lang}).status, 0);
        QFile f("t.csv");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(f.readAll()).split("\r\n");
        const qsizetype header = lines.indexOf(QString()) + 1;
        QVERIFY(header > 0 && header + 2 < lines.size());
        QCOMPARE(lines[header].count(separator), 6);
        const QStringList first = lines[header + 2].split(separator);
        QCOMPARE(first.size(), 7);
        QCOMPARE(first[0], QStringLiteral("0") + decimal + QStringLiteral("10000"));  // 0.1 s, the second round time
        for (const QString& cell : first) {
            bool number = false;
            QString(cell).replace(decimal, '.').toDouble(&number);
            QVERIFY2(number, qPrintable(cell));
        }
        QVERIFY(lines[0].contains(separator));  // the height's row: its name, number, meaning
    }

    // The choice in the menu is remembered, and told in the language chosen; --lang does
    // not change it. The English documents open where they exist, the Russian ones elsewhere.
    void languageChoice() {
        auto w = desktop.window();
        w->findChild<QAction*>("mnuLanguage_en")->trigger();
        QCOMPARE(chosenLanguage().code, QStringLiteral("en"));
        QCOMPARE(desktop.dialogs.shown.size(), 0u);  // already English
        QCOMPARE(testing::runProgram({"--lang=ru", "--version"}).status, 0);
        QCOMPARE(chosenLanguage().code, QStringLiteral("en"));
        w->findChild<QAction*>("mnuLanguage_ru")->trigger();
        QCOMPARE(chosenLanguage().code, QStringLiteral("ru"));
        QCOMPARE(desktop.dialogs.shown.size(), 1u);
        QCOMPARE(desktop.dialogs.shown[0].text, QStringLiteral("Язык программы сменится при следующем запуске."));
        for (const char* name : {"uprav.pdf", "uprav.en.pdf", "spravka.pdf"}) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("x") == 1);
        }
        w->findChild<QAction*>("mnuHelpUprav")->trigger();
        QVERIFY2(desktop.opener.opened.last().endsWith("/uprav.en.pdf"), qPrintable(desktop.opener.opened.last()));
        w->findChild<QAction*>("mnuFilespravka")->trigger();
        QVERIFY2(desktop.opener.opened.last().endsWith("/spravka.pdf"), qPrintable(desktop.opener.opened.last()));
    }

    // The languages are the built-in catalogues, each named in itself; a language without
    // documents of its own reads the English ones, then the Russian.
    void languagesFromCatalogues() {
        QStringList shown;
        for (const Language& l : availableLanguages()) shown << l.code + '=' + nativeName(l);
        QCOMPARE(shown, QStringList({"ru=Русский", "en=English"}));
        QVERIFY(!languageFromCode("de"));
        QTemporaryDir folder;
        const QString ru = folder.filePath("uprav.pdf");
        QCOMPARE(helpDocumentPath(ru, Language{"de"}), ru);
        QFile en(folder.filePath("uprav.en.pdf"));
        QVERIFY(en.open(QIODevice::WriteOnly));
        QCOMPARE(helpDocumentPath(ru, Language{"de"}), en.fileName());
        QFile de(folder.filePath("uprav.de.pdf"));
        QVERIFY(de.open(QIODevice::WriteOnly));
        QCOMPARE(helpDocumentPath(ru, Language{"de"}), de.fileName());
        QCOMPARE(helpDocumentPath(ru, Language{}), ru);
        const testing::ProgramRun run = testing::runProgram({"--lang=de", "--version"});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("ru, en"), qPrintable(run.err));
    }

    // No English caption wider than its label, in either view, at 100 % and at the largest step.
    void captionsFit_data() {
        QTest::addColumn<bool>("lesson");
        QTest::addColumn<double>("step");
        for (bool lesson : {false, true})
            for (double step : {ViewScale::kSteps[0], std::end(ViewScale::kSteps)[-1]})
                QTest::addRow("%s at %d %%", lesson ? "lesson" : "classic", qRound(step * 100)) << lesson << step;
    }

    void captionsFit() {
        QFETCH(bool, lesson);
        QFETCH(double, step);
        auto w = desktop.window();
        ViewSwitch views(*w);
        QWidget* top = w.get();
        if (lesson) {
            views.showLesson();
            views.lesson()->setTextScale(step);
            top = views.lesson();
        } else {
            w->viewScale()->setScale(step);
            QCOMPARE(w->viewScale()->scale(), step);
        }
        QTest::qWait(50);
        const QStringList found = clippedCaptions(top);
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }
};

// A projector's screen, so that the largest step of the classic window fits.
int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    QFile screens(dir.filePath("screens.json"));
    if (!screens.open(QIODevice::WriteOnly)) return 1;
    screens.write(R"({"screens": [{"name": "projector", "x": 0, "y": 0, "width": 2560, "height": 1440}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toUtf8());
    QApplication app(argc, argv);
    EnglishTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "english_test.moc"
