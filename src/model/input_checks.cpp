#include "model/input_checks.h"

#include <cmath>

#include "model/ball_density.h"
#include "model/constants.h"
#include "model/phrase.h"
#include "model/quantities.h"

namespace velunta {

namespace {

// A field shows its value in the display pattern of its quantity.
const char* patternOf(const char* key) { return findQuantity(key)->display.pattern; }

const FieldInfo kFields[inputFieldCount] = {
    {InputField::h, "h", "Text1", patternOf("h"), true},
    {InputField::V0y, "V0y", "Text2", patternOf("V0y"), true},
    {InputField::d, "d", "Text4", patternOf("d"), true},
    {InputField::massa, "massa", "Text5", patternOf("massa"), true},
    {InputField::r0, "r0", "Text6", patternOf("r0"), true},
    {InputField::eta, "eta", "Text7", patternOf("eta"), true},
    {InputField::c, "c", "Text3", patternOf("c"), false},
};

}  // namespace

const FieldInfo* inputFields() { return kFields; }

const FieldInfo& fieldInfo(InputField field) { return kFields[int(field)]; }

const FieldInfo* findField(std::string_view name) {
    for (const FieldInfo& f : kFields)
        if (name == f.quantity || name == f.control) return &f;
    return nullptr;
}

double& inputValue(Model& m, InputField field) {
    switch (field) {
    case InputField::h: return m.h;
    case InputField::V0y: return m.V0y;
    case InputField::d: return m.d;
    case InputField::massa: return m.massa;
    case InputField::r0: return m.r0;
    case InputField::eta: return m.eta;
    case InputField::c: return m.c;
    }
    return m.h;
}

double inputValue(const Model& m, InputField field) { return inputValue(const_cast<Model&>(m), field); }

std::optional<Refusal> checkInput(const Model& m, InputField field) {
    switch (field) {
    case InputField::h:
        if (m.h == 0) return Refusal{QT_TRANSLATE_NOOP("Model", "Уже упало?!"), 2};
        if (m.h < 0) return Refusal{QT_TRANSLATE_NOOP("Model", "тело под Землей?! такой расчёт не предусмотрен!"), 3};
        break;
    case InputField::V0y:
        break;
    case InputField::d:
        if (m.d <= 0) return Refusal{QT_TRANSLATE_NOOP("Model", "Это не материальная точка!"), 0.001};
        if (ballDensity(m.d, m.massa) <= m.r0)
            return Refusal{QT_TRANSLATE_NOOP("Model", "Плотность шара получается меньше плотности среды. Всплывание не моделируется! "
                           "При таких параметрах диаметр не больше, чем..."),
                           std::pow((m.massa * 6 / kPi) / m.r, 1.0 / 3) / 1.01};
        break;
    case InputField::massa:
        if (m.massa <= 0) return Refusal{QT_TRANSLATE_NOOP("Model", "Шарик из чего-то сделан! например, из стали."), 0.004084};
        if (ballDensity(m.d, m.massa) <= m.r0)
            return Refusal{QT_TRANSLATE_NOOP("Model", "Масса мала. Плотность шара получается меньше плотности среды.Всплывание не "
                           "моделируется! При таких параметрах масса не меньше, чем..."),
                           1.01 * (m.d * m.d * m.d * (kPi * m.r)) / 6};
        break;
    case InputField::r0:
        if (m.r0 <= 0) return Refusal{QT_TRANSLATE_NOOP("Model", "Для вакуума всё и так известно! Возьмите хотя бы воздух."), 1.23};
        if (m.r0 >= ballDensity(m.d, m.massa)) return Refusal{QT_TRANSLATE_NOOP("Model", "Всплывание не моделируется"), m.r / 2};
        break;
    case InputField::eta:
        if (m.eta <= 0) return Refusal{QT_TRANSLATE_NOOP("Model", "Для вакуума всё и так известно! Возьмите воздух!"), 1.82e-5};
        break;
    case InputField::c:
        if (m.c <= 0) return Refusal{QT_TRANSLATE_NOOP("Model", "Для случая с <= 0 программа не работает."), 0.47};
        break;
    }
    return std::nullopt;
}

}  // namespace velunta
