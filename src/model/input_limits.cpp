#include "model/input_limits.h"

#include <cmath>

#include "model/phrase.h"

namespace velunta {

const char* const kNumberTooLarge = QT_TRANSLATE_NOOP("Model", "Слишком большое число! Такой расчёт не предусмотрен.");

namespace {
// Heights up to 100 km (above that g is no longer constant), throws up to
// 10 km/s, balls up to 100 m across and 10^9 kg, media up to 10^5 kg/m3 (every
// substance on Earth is lighter) and 10^4 Pa*s (tar), drag coefficients up to 1000.
const InputLimit kLimits[inputFieldCount] = {
    {1e5, QT_TRANSLATE_NOOP("Model", "Слишком высоко! Расчёт предусмотрен для высот не больше 100000 м.")},
    {1e4, QT_TRANSLATE_NOOP("Model", "Слишком быстро! Расчёт предусмотрен для скоростей не больше 10000 м/с по модулю.")},
    {100, QT_TRANSLATE_NOOP("Model", "Слишком большой шар! Расчёт предусмотрен для диаметров не больше 100 м.")},
    {1e9, QT_TRANSLATE_NOOP("Model", "Слишком тяжёлый шар! Расчёт предусмотрен для масс не больше 1000000000 кг.")},
    {1e5, QT_TRANSLATE_NOOP("Model", "Такой плотной среды не бывает! Расчёт предусмотрен для плотностей не больше 100000 кг/м3.")},
    {1e4, QT_TRANSLATE_NOOP("Model", "Слишком вязкая среда! Расчёт предусмотрен для вязкостей не больше 10000 Па с.")},
    {1000, QT_TRANSLATE_NOOP("Model", "Слишком большой коэффициент сопротивления! Расчёт предусмотрен для значений не больше 1000.")},
};
}  // namespace

const InputLimit& inputLimit(InputField field) { return kLimits[int(field)]; }

std::optional<std::string> limitExceeded(InputField field, double value) {
    // Only the velocity is bounded on both sides; a negative value of any other
    // field is refused by the field's own tests, which come first.
    const double size = field == InputField::V0y ? std::fabs(value) : value;
    if (size > inputLimit(field).largest) return std::string(inputLimit(field).message);
    return std::nullopt;
}

}  // namespace velunta
