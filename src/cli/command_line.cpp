#include "cli/command_line.h"

#include <QCoreApplication>
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

#ifndef VELUNTA_VERSION
#define VELUNTA_VERSION "?"
#endif

namespace velunta {

namespace {

int printHelp(CommandContext& c);

int printVersion(CommandContext& c) {
    // The data folder is found beside the program too, which needs the application object.
    int argc = 1;
    char name[] = "velunta";
    char* argv[] = {name, nullptr};
    std::optional<QCoreApplication> app;
    if (!QCoreApplication::instance()) app.emplace(argc, argv);
    const QString folder = dataFolderInUse();
    c.out << "Велунта " << VELUNTA_VERSION << "\n";
    if (folder.isEmpty())
        c.out << "Папка данных не найдена; искали в: " << dataFolders().join(", ").toStdString() << "\n";
    else
        c.out << "Папка данных: " << folder.toStdString() << "\n";
    return 0;
}

const char* const kUsageHint = "Список параметров: velunta --help";

}  // namespace

const std::vector<CommandLineOption>& commandLineOptions() {
    static const std::vector<CommandLineOption> options = {
        {"--help", "", "эта справка", printHelp, std::nullopt, false},
        {"--version", "", "версия программы и папка её данных", printVersion, std::nullopt, false},
        {"--report", "", "числа модели и надписи окна для заданных начальных данных (JSON), без окна", runReport},
        {"--frames", "", "кадры прогона: фаза, t, Y, Vy (CSV), без окна", printFrames},
        {"--table", "ФАЙЛ.csv", "таблица Y и Vy трёх моделей по времени для электронной таблицы, без окна",
         runTableCommand},
        {"--step", "ЧИСЛО", "шаг по времени таблицы, с (по умолчанию круглый, около 100 строк)", nullptr,
         std::nullopt, true, "--table"},
        {"--picture", "ФАЙЛ.png|svg", "рисунок с кривыми трёх моделей, PNG или векторный SVG, без окна",
         runPictureCommand},
        {"--view", "1|2|3", "что на рисунке: 1 траектория, 2 Y(t) (по умолчанию), 3 Vy(t)", nullptr,
         std::nullopt, true, "--picture"},
        {"--size", "ШxВ", "размер PNG в пикселях (по умолчанию вдвое больше, чем в окне)", nullptr, std::nullopt,
         true, "--picture"},
        {"--worksheet", "ФАЙЛ.pdf", "рабочий лист урока на одной странице A4 (PDF), без окна", runWorksheetCommand},
        {"--data", "ФАЙЛ|newton1710-N", "данные опыта: таблица t, y (и Vy) или встроенный опыт со своими начальными данными",
         nullptr, std::nullopt, true, "--report|--table|--picture|--worksheet"},
        {"--align", "measured|launch", "точки опыта как измерены (по умолчанию) или первая точка в (0, h)", nullptr,
         std::nullopt, true, "--data"},
        {"--fit", "c|eta|c,eta|c,t0|eta,t0|c,eta,t0", "подобрать по данным опыта c, η и сдвиг времени t0 (в отчёт)",
         nullptr, std::nullopt, true, "--report"},
        {"--lesson", "", "открыть окно в виде «Урок» (Ctrl+L переключает виды)", nullptr, std::nullopt, false},
        {"--h", "ЧИСЛО", "начальная высота, м", nullptr, InputField::h},
        {"--V0y", "ЧИСЛО", "проекция начальной скорости, м/с (вверх положительна)", nullptr, InputField::V0y},
        {"--d", "ЧИСЛО", "диаметр шара, м", nullptr, InputField::d},
        {"--massa", "ЧИСЛО", "масса шара, кг", nullptr, InputField::massa},
        {"--r0", "ЧИСЛО", "плотность среды, кг/м3", nullptr, InputField::r0},
        {"--eta", "ЧИСЛО", "вязкость среды, Па·с", nullptr, InputField::eta},
        {"--c", "ЧИСЛО", "коэффициент лобового сопротивления шара", nullptr, InputField::c},
    };
    return options;
}

namespace {

int printHelp(CommandContext& c) {
    c.out << "Использование: velunta [ПАРАМЕТРЫ] [УРОК.velunta]\n"
             "Без команды открывается окно программы (с начальными данными из параметров, если они заданы,\n"
             "и с уроком из файла, если он назван).\n\n";
    for (const CommandLineOption& o : commandLineOptions()) {
        std::string usage = std::string("  ") + o.name + (*o.argument ? std::string("=") + o.argument : "");
        // Padding counts characters, not the bytes of the Cyrillic argument names.
        const auto width = QString::fromStdString(usage).size();
        usage += std::string(width < 20 ? 20 - width : 1, ' ');
        c.out << usage << o.help << "\n";
    }
    c.out << "\nЗначение пишется после «=» или через пробел: --h=5 или --h 5, --V0y=-5 или --V0y -5.\n"
             "Числа пишутся с точкой или запятой. Начальные данные проверяются так же, как при вводе в\n"
             "поля окна, все вместе, и порядок параметров не важен.\n\n"
             "Коды завершения: 0 — сделано; 1 — окно не открыть, нет графического дисплея; 2 — неверный\n"
             "параметр, начальные данные, которых окно не приняло бы (с его сообщением), или файл либо\n"
             "стандартный вывод, куда не удалось записать.\n";
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
        out += (i == 0 ? "" : i + 1 == names.size() ? " или " : ", ") + names[i];
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
        const std::string why = error == ENOENT ? "нет такого файла" : fileErrorReason(error).toStdString();
        return DataSource{std::nullopt, nullptr, "не удалось прочитать «" + value + "»: " + why};
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
    if (!read.ok()) return {std::nullopt, nullptr, "«" + value + "», " + read.error};
    return {std::move(read.data), nullptr, {}};
}

// Why the standard output took nothing more: a closed stream and a reader that left
// are the stream's own cases, the rest are the reasons of every failed file write.
std::string writeProblem(int error) {
    switch (error) {
    case EBADF: return "стандартный вывод закрыт";
    case EPIPE: return "читающая программа завершилась";
    case 0: return "поток не принимает данные";
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
    err << "velunta: не удалось вывести результат на стандартный вывод: " << writeProblem(error) << "\n";
    return 2;
}

}  // namespace

void provideRuntimeFolder() {
    static std::optional<QTemporaryDir> folder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && !folder && folder.emplace().isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
}

std::optional<int> runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                                  std::vector<InputSetting>* windowInputs, std::string* windowLesson,
                                  bool* lessonView) {
    const CommandLineOption* command = nullptr;
    const CommandLineOption* windowOption = nullptr;
    std::string lesson;
    std::string commandValue;
    std::vector<InputSetting> inputs;
    std::map<std::string, std::string> settings;
    std::vector<const CommandLineOption*> settingOptions;
    auto refuse = [&err](const std::string& line) {
        err << "velunta: " << line << "\n" << kUsageHint << "\n";
        return 2;
    };
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
        if (!option) return refuse("неизвестный параметр «" + arg + "»");
        const bool needsValue = *option->argument;
        if (!needsValue && eq != std::string::npos)
            return refuse("параметру " + name + " значение не нужно: «" + arg + "»");
        // "--h=5" or "--h 5". The next word is the value unless it is an option itself:
        // "--V0y -5" throws down, and "--h --report" lacks its height.
        std::string value, written = arg;
        if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else if (needsValue) {
            if (i + 1 == args.size() || args[i + 1].starts_with("--"))
                return refuse("параметру " + name + " нужно значение: " + name + "=" + option->argument);
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
            if (!read.whole) return refuse("не число: «" + written + "»");
            inputs.push_back({*option->input, read.value, read.overflow});
        } else if (command && command != option) {
            return refuse(std::string("одновременно ") + command->name + " и " + option->name);
        } else {
            command = option;
            commandValue = value;
        }
    }
    for (const CommandLineOption* o : settingOptions) {
        const std::vector<std::string> owners = alternatives(o->settingOf);
        bool owned = false;
        for (const std::string& owner : owners) owned = owned || (command && owner == command->name) || settings.count(owner);
        if (!owned) return refuse(std::string(o->name) + " задаётся только вместе с " + listed(owners));
    }
    if (command && !lesson.empty()) return refuse("файл урока «" + lesson + "» открывается только в окне");
    if (settings.count("--fit") && !settings.count("--data"))
        return refuse("--fit задаётся только вместе с --data");
    if (settings.count("--fit") && !parseFitChoice(settings["--fit"]))
        return refuse("--fit: «" + settings["--fit"] + "»: подбираются c, eta, c,eta, c,t0, eta,t0 или c,eta,t0");
    if (settings.count("--align") && settings["--align"] != "measured" && settings["--align"] != "launch")
        return refuse("--align: «" + settings["--align"] + "»: measured или launch");
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
        return refuse(std::string(windowOption->name) + " задаётся только без команды, для окна: " + command->name);
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
        err << refusals.front().refusal.message << "\n";
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
