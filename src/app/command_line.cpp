#include "app/command_line.h"

#include <QCoreApplication>
#include <ostream>

#include "app/data_files.h"
#include "app/export_command.h"
#include "app/frames.h"
#include "app/report.h"

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
    c.out << "Использование: velunta [ПАРАМЕТРЫ]\n"
             "Без команды открывается окно программы (с начальными данными из параметров, если они заданы).\n\n";
    for (const CommandLineOption& o : commandLineOptions()) {
        std::string usage = std::string("  ") + o.name + (*o.argument ? std::string("=") + o.argument : "");
        // Padding counts characters, not the bytes of the Cyrillic argument names.
        const auto width = QString::fromStdString(usage).size();
        usage += std::string(width < 20 ? 20 - width : 1, ' ');
        c.out << usage << o.help << "\n";
    }
    c.out << "\nЧисла пишутся с точкой или запятой. Начальные данные проверяются так же, как при вводе в\n"
             "поля окна, все вместе, и порядок параметров не важен; если окно их не приняло бы, программа\n"
             "печатает его сообщение и завершается с кодом 2.\n";
    return 0;
}

}  // namespace

std::optional<int> runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                                  std::vector<InputSetting>* windowInputs) {
    const CommandLineOption* command = nullptr;
    std::string commandValue;
    std::vector<InputSetting> inputs;
    std::map<std::string, std::string> settings;
    std::vector<const CommandLineOption*> settingOptions;
    auto refuse = [&err](const std::string& line) {
        err << "velunta: " << line << "\n" << kUsageHint << "\n";
        return 2;
    };
    for (const std::string& arg : args) {
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const CommandLineOption* option = nullptr;
        for (const CommandLineOption& o : commandLineOptions())
            if (name == o.name && (eq == std::string::npos) == !*o.argument) option = &o;
        if (!option) return refuse("неизвестный параметр «" + arg + "»");
        const std::string value = eq == std::string::npos ? "" : arg.substr(eq + 1);
        if (option->settingOf) {
            settings[option->name] = value;
            settingOptions.push_back(option);
        } else if (option->input) {
            const FieldText read = readFieldText(*option->input, value);
            if (!read.whole) return refuse("не число: «" + arg + "»");
            inputs.push_back({*option->input, read.value, read.overflow});
        } else if (command && command != option) {
            return refuse(std::string("одновременно ") + command->name + " и " + option->name);
        } else {
            command = option;
            commandValue = value;
        }
    }
    for (const CommandLineOption* o : settingOptions)
        if (!command || std::string(command->name) != o->settingOf)
            return refuse(std::string(o->name) + " задаётся только вместе с " + o->settingOf);
    if (command && !command->takesInputs) {
        Model unused;
        CommandContext context{unused, commandValue, out, err};
        return command->run(context);
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
        return std::nullopt;
    }
    CommandContext context{m, commandValue, out, err, settings};
    return command->run(context);
}

}  // namespace velunta
