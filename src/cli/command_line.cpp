#include "cli/command_line.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <ostream>
#include <sstream>

#include "export/data_files.h"
#include "cli/export_command.h"
#include "cli/frames.h"
#include "cli/report.h"
#include "export/whole_file.h"
#include "model/data_reader.h"
#include "model/drag_fit.h"
#include "presets/experiments.h"
#include "window/language.h"

#ifndef VELUNTA_VERSION
#define VELUNTA_VERSION "?"
#endif

namespace velunta {

namespace {

// The command line's texts in the chosen language, as the streams take them.
std::string translated(const char* source) { return QCoreApplication::translate("CommandLine", source).toStdString(); }
std::string str(const QString& text) { return text.toStdString(); }
QString q(const std::string& text) { return QString::fromStdString(text); }

int printHelp(CommandContext& c);

int printVersion(CommandContext& c) {
    // The data folder is found beside the program too, which needs the application object.
    int argc = 1;
    char name[] = "velunta";
    char* argv[] = {name, nullptr};
    std::optional<QCoreApplication> app;
    if (!QCoreApplication::instance()) app.emplace(argc, argv);
    const QString folder = dataFolderInUse();
    c.out << str(QCoreApplication::translate("CommandLine", "Велунта %1").arg(QLatin1String(VELUNTA_VERSION))) << "\n";
    if (folder.isEmpty())
        c.out << str(QCoreApplication::translate("CommandLine", "Папка данных не найдена; искали в: %1").arg(dataFolders().join(", "))) << "\n";
    else
        c.out << str(QCoreApplication::translate("CommandLine", "Папка данных: %1").arg(folder)) << "\n";
    return 0;
}

const char* const kUsageHint = QT_TRANSLATE_NOOP("CommandLine", "Список параметров: velunta --help");

}  // namespace

const std::vector<CommandLineOption>& commandLineOptions() {
    static const std::vector<CommandLineOption> options = {
        {"--help", "", QT_TRANSLATE_NOOP("CommandLine", "эта справка"), printHelp, std::nullopt, false},
        {"--version", "", QT_TRANSLATE_NOOP("CommandLine", "версия программы и папка её данных"), printVersion, std::nullopt, false},
        {"--report", "", QT_TRANSLATE_NOOP("CommandLine", "числа модели и надписи окна для заданных начальных данных (JSON), без окна"), runReport},
        {"--frames", "", QT_TRANSLATE_NOOP("CommandLine", "кадры прогона: фаза, t, Y, Vy (CSV), без окна"), printFrames},
        {"--table", QT_TRANSLATE_NOOP("CommandLine", "ФАЙЛ.csv"), QT_TRANSLATE_NOOP("CommandLine", "таблица Y и Vy трёх моделей по времени для электронной таблицы, без окна"),
         runTableCommand},
        {"--step", QT_TRANSLATE_NOOP("CommandLine", "ЧИСЛО"), QT_TRANSLATE_NOOP("CommandLine", "шаг по времени таблицы, с (по умолчанию круглый, около 100 строк)"), nullptr,
         std::nullopt, true, "--table"},
        {"--picture", QT_TRANSLATE_NOOP("CommandLine", "ФАЙЛ.png|svg"), QT_TRANSLATE_NOOP("CommandLine", "рисунок с кривыми трёх моделей, PNG или векторный SVG, без окна"),
         runPictureCommand},
        {"--view", "1|2|3", QT_TRANSLATE_NOOP("CommandLine", "что на рисунке: 1 траектория, 2 Y(t) (по умолчанию), 3 Vy(t)"), nullptr,
         std::nullopt, true, "--picture"},
        {"--size", QT_TRANSLATE_NOOP("CommandLine", "ШxВ"), QT_TRANSLATE_NOOP("CommandLine", "размер PNG в пикселях (по умолчанию вдвое больше, чем в окне)"), nullptr, std::nullopt,
         true, "--picture"},
        {"--worksheet", QT_TRANSLATE_NOOP("CommandLine", "ФАЙЛ.pdf"), QT_TRANSLATE_NOOP("CommandLine", "рабочий лист урока на одной странице A4 (PDF), без окна"), runWorksheetCommand},
        {"--data", QT_TRANSLATE_NOOP("CommandLine", "ФАЙЛ|newton1710-N"), QT_TRANSLATE_NOOP("CommandLine", "данные опыта: таблица t, y (и Vy) или встроенный опыт со своими начальными данными"),
         nullptr, std::nullopt, true, "--report|--table|--picture|--worksheet"},
        {"--align", "measured|launch", QT_TRANSLATE_NOOP("CommandLine", "точки опыта как измерены (по умолчанию) или первая точка в (0, h)"), nullptr,
         std::nullopt, true, "--data"},
        {"--fit", "c|eta|c,eta|c,t0|eta,t0|c,eta,t0", QT_TRANSLATE_NOOP("CommandLine", "подобрать по данным опыта c, η и сдвиг времени t0 (в отчёт)"),
         nullptr, std::nullopt, true, "--report"},
        {"--lesson", "", QT_TRANSLATE_NOOP("CommandLine", "открыть окно в виде «Урок» (Ctrl+L переключает виды)"), nullptr, std::nullopt, false},
        {"--lang", QT_TRANSLATE_NOOP("CommandLine", "КОД"), QT_TRANSLATE_NOOP("CommandLine", "язык окна и выводов: ru (русский), en (английский) или другой встроенный перевод; выбор в меню не меняется"),
         nullptr, std::nullopt, false},
        {"--h", QT_TRANSLATE_NOOP("CommandLine", "ЧИСЛО"), QT_TRANSLATE_NOOP("CommandLine", "начальная высота, м"), nullptr, InputField::h},
        {"--V0y", QT_TRANSLATE_NOOP("CommandLine", "ЧИСЛО"), QT_TRANSLATE_NOOP("CommandLine", "проекция начальной скорости, м/с (вверх положительна)"), nullptr, InputField::V0y},
        {"--d", QT_TRANSLATE_NOOP("CommandLine", "ЧИСЛО"), QT_TRANSLATE_NOOP("CommandLine", "диаметр шара, м"), nullptr, InputField::d},
        {"--massa", QT_TRANSLATE_NOOP("CommandLine", "ЧИСЛО"), QT_TRANSLATE_NOOP("CommandLine", "масса шара, кг"), nullptr, InputField::massa},
        {"--r0", QT_TRANSLATE_NOOP("CommandLine", "ЧИСЛО"), QT_TRANSLATE_NOOP("CommandLine", "плотность среды, кг/м3"), nullptr, InputField::r0},
        {"--eta", QT_TRANSLATE_NOOP("CommandLine", "ЧИСЛО"), QT_TRANSLATE_NOOP("CommandLine", "вязкость среды, Па·с"), nullptr, InputField::eta},
        {"--c", QT_TRANSLATE_NOOP("CommandLine", "ЧИСЛО"), QT_TRANSLATE_NOOP("CommandLine", "коэффициент лобового сопротивления шара"), nullptr, InputField::c},
    };
    return options;
}

namespace {

int printHelp(CommandContext& c) {
    c.out << translated(QT_TRANSLATE_NOOP("CommandLine", "Использование: velunta [ПАРАМЕТРЫ] [УРОК.velunta]\n"
                                                 "Без команды открывается окно программы (с начальными данными из параметров, если они заданы,\n"
                                                 "и с уроком из файла, если он назван).\n\n"));
    for (const CommandLineOption& o : commandLineOptions()) {
        std::string usage = std::string("  ") + o.name + (*o.argument ? std::string("=") + translated(o.argument) : "");
        // Padding counts characters, not the bytes of the Cyrillic argument names.
        const auto width = QString::fromStdString(usage).size();
        usage += std::string(width < 20 ? 20 - width : 1, ' ');
        c.out << usage << translated(o.help) << "\n";
    }
    c.out << translated(QT_TRANSLATE_NOOP("CommandLine",
                                  "\nЗначение пишется после «=» или через пробел: --h=5 или --h 5, --V0y=-5 или --V0y -5.\n"
                                  "Числа пишутся с точкой или запятой. Начальные данные проверяются так же, как при вводе в\n"
                                  "поля окна, все вместе, и порядок параметров не важен.\n\n"
                                  "Коды завершения: 0 — сделано; 1 — окно не открыть, нет графического дисплея; 2 — неверный\n"
                                  "параметр, начальные данные, которых окно не приняло бы (с его сообщением), или файл либо\n"
                                  "стандартный вывод, куда не удалось записать.\n"));
    return 0;
}

}  // namespace

namespace {

// "--report|--table" -> {"--report", "--table"}.
std::vector<std::string> alternatives(const char* names) {
    std::vector<std::string> out;
    std::string_view rest(names);
    for (std::size_t bar; (bar = rest.find('|')) != std::string_view::npos; rest.remove_prefix(bar + 1))
        out.emplace_back(rest.substr(0, bar));
    out.emplace_back(rest);
    return out;
}

// "--report, --table или --picture".
std::string listed(const std::vector<std::string>& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i)
        out += (i == 0 ? "" : i + 1 == names.size() ? translated(QT_TRANSLATE_NOOP("CommandLine", " или ")) : ", ") + names[i];
    return out;
}

// The measured fall that --data names: a built-in set, or a file read whole.
struct DataSource {
    std::optional<MeasuredData> data;
    const ExperimentSet* builtIn = nullptr;
    std::string error;
};

DataSource readDataOption(const std::string& value) {
    if (const ExperimentSet* set = findExperimentSet(value)) return {set->data, set, {}};
    auto unread = [&value](int error) {
        const QString why = error == ENOENT ? QCoreApplication::translate("CommandLine", "нет такого файла") : fileErrorReason(error);
        return DataSource{std::nullopt, nullptr, str(QCoreApplication::translate("CommandLine", "не удалось прочитать «%1»: %2").arg(q(value), why))};
    };
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(value.c_str(), "rb"), std::fclose);
    if (!file) return unread(errno);
    std::string bytes;
    char buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) bytes.append(buffer, got);
    if (std::ferror(file.get())) return unread(errno);
    const std::size_t slash = value.find_last_of('/');
    DataReadResult read = readMeasuredData(bytes, slash == std::string::npos ? value : value.substr(slash + 1));
    if (!read.ok()) return {std::nullopt, nullptr, str(QCoreApplication::translate("CommandLine", "«%1», %2").arg(q(value), shownPhrase(read.errorPhrase)))};
    return {std::move(read.data), nullptr, {}};
}

// Why the standard output took nothing more: a closed stream and a reader that left
// are the stream's own cases, the rest are the reasons of every failed file write.
std::string writeProblem(int error) {
    switch (error) {
    case EBADF: return translated(QT_TRANSLATE_NOOP("CommandLine", "стандартный вывод закрыт"));
    case EPIPE: return translated(QT_TRANSLATE_NOOP("CommandLine", "читающая программа завершилась"));
    case 0: return translated(QT_TRANSLATE_NOOP("CommandLine", "поток не принимает данные"));
    default: return fileErrorReason(error).toStdString();
    }
}

// The command's whole output, written at once: a full disk or a closed stream is an
// error of the command, not a silent loss.
int deliver(const std::string& text, int status, std::ostream& out, std::ostream& err) {
    errno = 0;
    out.write(text.data(), std::streamsize(text.size()));
    out.flush();
    if (out) return status;
    const int error = errno;
    err << "velunta: " << str(QCoreApplication::translate("CommandLine", "не удалось вывести результат на стандартный вывод: %1").arg(q(writeProblem(error))))
        << "\n";
    return 2;
}

}  // namespace

std::unique_ptr<QCoreApplication> applicationWithoutDisplay() {
    static int argc = 1;
    static char name[] = "velunta";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    provideRuntimeFolder();
    return std::make_unique<QGuiApplication>(argc, argv);
}

void provideRuntimeFolder() {
    static std::optional<QTemporaryDir> folder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && !folder && folder.emplace().isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
}

namespace {

// The language of the run: --lang's, else the one chosen in the window. Its catalogue
// needs an application object: a plain one, or one with the GUI library (no display)
// when a command draws; a test's own application takes the catalogue for the run only.
class RunLanguage {
public:
    RunLanguage(const Language& language, bool drawing) : language_(language) {
        if (QCoreApplication* existing = QCoreApplication::instance()) {
            before_ = currentLanguage();
            if (before_ != language) installTranslators(*existing, language);
            return;
        }
        if (language.isSource()) return;
        app_ = drawing ? applicationWithoutDisplay() : std::make_unique<QCoreApplication>(argc_, argv_);
        installTranslators(*app_, language);
    }
    ~RunLanguage() {
        if (before_ && *before_ != language_) installTranslators(*QCoreApplication::instance(), *before_);
    }
    RunLanguage(const RunLanguage&) = delete;
    RunLanguage& operator=(const RunLanguage&) = delete;

private:
    Language language_;
    std::optional<Language> before_;
    static inline int argc_ = 1;
    static inline char name_[] = "velunta";
    static inline char* argv_[] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};

}  // namespace

std::optional<int> runCommandLine(const std::vector<std::string>& allArgs, std::ostream& out, std::ostream& err,
                                  std::vector<InputSetting>* windowInputs, std::string* windowLesson,
                                  bool* lessonView, Language* windowLanguage) {
    // --lang first: every message of the run is in its language.
    std::vector<std::string> args;
    std::optional<Language> asked;
    std::string badLanguage;
    bool drawing = false;
    for (std::size_t i = 0; i < allArgs.size(); ++i) {
        const std::string& arg = allArgs[i];
        if (arg == "--lang" || arg.starts_with("--lang=")) {
            const bool next = arg == "--lang" && i + 1 < allArgs.size() && !allArgs[i + 1].starts_with("--");
            const std::string code = arg == "--lang" ? (next ? allArgs[++i] : std::string()) : arg.substr(7);
            asked = languageFromCode(code);
            if (!asked) badLanguage = arg == "--lang" && next ? arg + " " + code : arg;
            continue;
        }
        drawing = drawing || arg.starts_with("--picture") || arg.starts_with("--worksheet");
        args.push_back(arg);
    }
    const Language language = asked.value_or(chosenLanguage());
    const RunLanguage runLanguage(language, drawing);
    if (windowLanguage) *windowLanguage = language;
    const CommandLineOption* command = nullptr;
    const CommandLineOption* windowOption = nullptr;
    std::string lesson;
    std::string commandValue;
    std::vector<InputSetting> inputs;
    std::map<std::string, std::string> settings;
    std::vector<const CommandLineOption*> settingOptions;
    auto refuse = [&err](const std::string& line) {
        err << "velunta: " << line << "\n" << translated(kUsageHint) << "\n";
        return 2;
    };
    if (!badLanguage.empty()) {
        QStringList codes;
        for (const Language& l : availableLanguages()) codes << l.code;
        return refuse(str(QCoreApplication::translate("CommandLine", "--lang: «%1»: один из языков %2")
                              .arg(q(badLanguage), codes.join(QStringLiteral(", ")))));
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A word that is no option: the lesson file to open (a double click in the file manager).
        if (!arg.starts_with("-") && lesson.empty()) {
            lesson = arg;
            continue;
        }
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const CommandLineOption* option = nullptr;
        for (const CommandLineOption& o : commandLineOptions())
            if (name == o.name) option = &o;
        if (!option) return refuse(str(QCoreApplication::translate("CommandLine", "неизвестный параметр «%1»").arg(q(arg))));
        const bool needsValue = *option->argument;
        if (!needsValue && eq != std::string::npos)
            return refuse(str(QCoreApplication::translate("CommandLine", "параметру %1 значение не нужно: «%2»").arg(q(name), q(arg))));
        // "--h=5" or "--h 5". The next word is the value unless it is an option itself:
        // "--V0y -5" throws down, and "--h --report" lacks its height.
        std::string value, written = arg;
        if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else if (needsValue) {
            if (i + 1 == args.size() || args[i + 1].starts_with("--"))
                return refuse(str(QCoreApplication::translate("CommandLine", "параметру %1 нужно значение: %1=%2").arg(q(name), QCoreApplication::translate("CommandLine", option->argument))));
            value = args[++i];
            written += " " + value;
        }
        if (option->settingOf) {
            settings[option->name] = value;
            settingOptions.push_back(option);
        } else if (!option->run && !option->input) {
            windowOption = option;
        } else if (option->input) {
            const FieldText read = readFieldText(*option->input, value);
            if (!read.whole) return refuse(str(QCoreApplication::translate("CommandLine", "не число: «%1»").arg(q(written))));
            inputs.push_back({*option->input, read.value, read.overflow});
        } else if (command && command != option) {
            return refuse(str(QCoreApplication::translate("CommandLine", "одновременно %1 и %2").arg(QLatin1String(command->name), QLatin1String(option->name))));
        } else {
            command = option;
            commandValue = value;
        }
    }
    for (const CommandLineOption* o : settingOptions) {
        const std::vector<std::string> owners = alternatives(o->settingOf);
        bool owned = false;
        for (const std::string& owner : owners) owned = owned || (command && owner == command->name) || settings.count(owner);
        if (!owned) return refuse(str(QCoreApplication::translate("CommandLine", "%1 задаётся только вместе с %2").arg(QLatin1String(o->name), q(listed(owners)))));
    }
    if (command && !lesson.empty()) return refuse(str(QCoreApplication::translate("CommandLine", "файл урока «%1» открывается только в окне").arg(q(lesson))));
    if (settings.count("--fit") && !settings.count("--data"))
        return refuse(str(QCoreApplication::translate("CommandLine", "%1 задаётся только вместе с %2").arg(QStringLiteral("--fit"), QStringLiteral("--data"))));
    if (settings.count("--fit") && !parseFitChoice(settings["--fit"]))
        return refuse(str(QCoreApplication::translate("CommandLine", "--fit: «%1»: подбираются c, eta, c,eta, c,t0, eta,t0 или c,eta,t0").arg(q(settings["--fit"]))));
    if (settings.count("--align") && settings["--align"] != "measured" && settings["--align"] != "launch")
        return refuse(str(QCoreApplication::translate("CommandLine", "--align: «%1»: measured или launch").arg(q(settings["--align"]))));
    std::optional<MeasuredData> data;
    if (settings.count("--data")) {
        DataSource source = readDataOption(settings["--data"]);
        if (!source.data) return refuse(source.error);
        data = std::move(source.data);
        if (settings.count("--align"))
            data->alignment = settings["--align"] == "launch" ? DataAlignment::firstPointAtLaunch : DataAlignment::asMeasured;
        // A built-in fall comes with its own inputs; the input options given still decide.
        if (source.builtIn) {
            const InputValues& in = source.builtIn->inputs;
            const std::vector<InputSetting> own = {{InputField::h, in.h},     {InputField::V0y, in.V0y},
                                                   {InputField::d, in.d},     {InputField::massa, in.massa},
                                                   {InputField::r0, in.r0},   {InputField::eta, in.eta},
                                                   {InputField::c, in.c}};
            inputs.insert(inputs.begin(), own.begin(), own.end());
        }
    }
    if (windowOption && command)
        return refuse(str(QCoreApplication::translate("CommandLine", "%1 задаётся только без команды, для окна: %2")
                             .arg(QLatin1String(windowOption->name), QLatin1String(command->name))));
    std::ostringstream text;
    if (command && !command->takesInputs) {
        Model unused;
        CommandContext context{unused, commandValue, text, err};
        const int status = command->run(context);
        return deliver(text.str(), status, out, err);
    }
    Model m;
    m.set_defaults();
    const std::vector<FieldRefusal> refusals = applyInputs(m, inputs);
    if (!refusals.empty()) {
        err << str(shownModelText(refusals.front().refusal.message)) << "\n";
        return 2;
    }
    if (!command) {
        if (windowInputs) *windowInputs = inputs;
        if (windowLesson) *windowLesson = lesson;
        if (lessonView) *lessonView = windowOption != nullptr;
        return std::nullopt;
    }
    CommandContext context{m, commandValue, text, err, settings, std::move(data)};
    const int status = command->run(context);
    return deliver(text.str(), status, out, err);
}

}  // namespace velunta
