#include "cli/export_command.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/command_line.h"
#include "model/phrase.h"
#include "export/picture_export.h"
#include "plot/pipeline.h"
#include "export/table_export.h"
#include "export/worksheet.h"
#include "export/whole_file.h"

namespace velunta {

namespace {

int refuse(CommandContext& c, const QString& message) {
    c.err << message.toStdString() << "\n";
    return 2;
}

bool readNumber(std::string_view text, double& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::string copy(text);
    for (char& ch : copy)
        if (ch == ',') ch = '.';
    const auto [end, error] = std::from_chars(copy.data(), copy.data() + copy.size(), value);
    return !copy.empty() && error == std::errc() && end == copy.data() + copy.size() && std::isfinite(value);
}

// The file named by the command's own option, with the suffix it must have.
std::optional<QString> target(CommandContext& c, std::initializer_list<const char*> suffixes, const QString& what) {
    const QString path = QString::fromStdString(c.value);
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const char* s : suffixes)
        if (suffix == QLatin1String(s) && !QFileInfo(path).completeBaseName().isEmpty()) return path;
    QStringList names;
    for (const char* s : suffixes) names << QStringLiteral(".") + QLatin1String(s);
    refuse(c, QCoreApplication::translate("CommandLine", "%1 сохраняется в файл %2, а не «%3».").arg(what, names.join(QCoreApplication::translate("CommandLine", " или ")), path));
    return std::nullopt;
}

const std::string* setting(const CommandContext& c, const char* name) {
    const auto it = c.settings.find(name);
    return it == c.settings.end() ? nullptr : &it->second;
}

}  // namespace

int runTableCommand(CommandContext& c) {
    const auto path = target(c, {"csv"}, QCoreApplication::translate("CommandLine", "Таблица"));
    if (!path) return 2;
    double step = 0;
    const std::string* stepText = setting(c, "--step");
    if (stepText && !readNumber(*stepText, step))
        return refuse(c, QCoreApplication::translate("CommandLine", "Шаг по времени — число секунд, а не «%1».").arg(QString::fromStdString(*stepText)));
    recompute(c.model);
    if (!stepText) step = defaultTableStep(c.model);
    const QString problem = tableStepProblem(c.model, step);
    if (!problem.isEmpty()) return refuse(c, problem);
    // The window's table, measured section and all: one writer for both.
    const QByteArray data = tableCsv(c.model, step, c.data ? &*c.data : nullptr);
    QString error;
    if (!writeWholeFile(*path, data, error))
        return refuse(c, error);
    return 0;
}

int runPictureCommand(CommandContext& c) {
    const auto path = target(c, {"png", "svg"}, QCoreApplication::translate("CommandLine", "Рисунок"));
    if (!path) return 2;
    PictureView view = PictureView::coordinate;
    if (const std::string* v = setting(c, "--view")) {
        if (*v != "1" && *v != "2" && *v != "3")
            return refuse(c, QCoreApplication::translate("CommandLine", "Рисунок --view: 1 (траектория), 2 (Y(t)) или 3 (Vy(t)), а не «%1».")
                                 .arg(QString::fromStdString(*v)));
        view = PictureView((*v)[0] - '0');
    }
    QSize size = windowPictureSize(view) * 2;
    if (const std::string* s = setting(c, "--size")) {
        const auto x = s->find_first_of("xX");
        double w = 0, h = 0;
        if (x == std::string::npos || !readNumber(s->substr(0, x), w) || !readNumber(s->substr(x + 1), h) ||
            w != std::floor(w) || h != std::floor(h) || w < 16 || h < 16 || w > 10000 || h > 10000)
            return refuse(c, QCoreApplication::translate("CommandLine", "Размер рисунка — ШИРИНАxВЫСОТА в пикселях, от 16 до 10000, а не «%1».")
                                 .arg(QString::fromStdString(*s)));
        size = QSize(int(w), int(h));
    }
    const auto app = applicationWithoutDisplay();
    c.model.locale_decimal_point = decimalCommaShown() ? QLocale::system().decimalPoint().toStdString() : ".";
    const std::unique_ptr<ViewSurfaces> views = drawViews(c.model, QSize(), c.data ? &*c.data : nullptr);
    QString error;
    if (!savePicture(views->view(view), *path, size, error)) return refuse(c, error);
    return 0;
}

int runWorksheetCommand(CommandContext& c) {
    const auto path = target(c, {"pdf"}, QCoreApplication::translate("CommandLine", "Рабочий лист"));
    if (!path) return 2;
    const auto app = applicationWithoutDisplay();
    c.model.locale_decimal_point = decimalCommaShown() ? QLocale::system().decimalPoint().toStdString() : ".";
    // Graphs of about the page's proportions, so that their labels read well in print.
    const std::unique_ptr<ViewSurfaces> views = drawViews(c.model, QSize(500, 400), c.data ? &*c.data : nullptr);
    QString error;
    if (!saveWorksheetPdf(*path, c.model, *views, QDate::currentDate(), error)) return refuse(c, error);
    return 0;
}

}  // namespace velunta
