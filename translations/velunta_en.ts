<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Animation</name>
    <message>
        <source>Счётчик времени. шаг по времени ±dt=%1 с. Метод Рунге-Кутты. Сравните с аналитическим решением Тmax2 и Y_end</source>
        <translation>Time counter. Time step ±dt=%1 s. Runge-Kutta method. Compare with the analytical solution Tmax2 and Y_end</translation>
    </message>
    <message>
        <source>Координата. Погрешность = %1 %. Метод Рунге-Кутты. Сравните с аналитическим решением и Y_end</source>
        <translation>Height. Error = %1 %. Runge-Kutta method. Compare with the analytical solution and Y_end</translation>
    </message>
</context>
<context>
    <name>Axes</name>
    <message>
        <source>Y, м</source>
        <translation>Y, m</translation>
    </message>
    <message>
        <source>Vy, м/c</source>
        <translation>Vy, m/s</translation>
    </message>
    <message>
        <source>t, c</source>
        <translation>t, s</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Велунта %1</source>
        <translation>Velunta %1</translation>
    </message>
    <message>
        <source>Папка данных не найдена; искали в: %1</source>
        <translation>Data folder not found; looked in: %1</translation>
    </message>
    <message>
        <source>Папка данных: %1</source>
        <translation>Data folder: %1</translation>
    </message>
    <message>
        <source>Список параметров: velunta --help</source>
        <translation>List of options: velunta --help</translation>
    </message>
    <message>
        <source>эта справка</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>версия программы и папка её данных</source>
        <translation>the program&apos;s version and its data folder</translation>
    </message>
    <message>
        <source>числа модели и надписи окна для заданных начальных данных (JSON), без окна</source>
        <translation>the model&apos;s numbers and the window&apos;s captions for the given inputs (JSON), without a window</translation>
    </message>
    <message>
        <source>кадры прогона: фаза, t, Y, Vy (CSV), без окна</source>
        <translation>the frames of the run: phase, t, Y, Vy (CSV), without a window</translation>
    </message>
    <message>
        <source>ФАЙЛ.csv</source>
        <translation>FILE.csv</translation>
    </message>
    <message>
        <source>таблица Y и Vy трёх моделей по времени для электронной таблицы, без окна</source>
        <translation>table of Y and Vy of the three models over time, for a spreadsheet, without a window</translation>
    </message>
    <message>
        <source>ЧИСЛО</source>
        <translation>NUMBER</translation>
    </message>
    <message>
        <source>шаг по времени таблицы, с (по умолчанию круглый, около 100 строк)</source>
        <translation>time step of the table, s (by default a round one, about 100 rows)</translation>
    </message>
    <message>
        <source>ФАЙЛ.png|svg</source>
        <translation>FILE.png|svg</translation>
    </message>
    <message>
        <source>рисунок с кривыми трёх моделей, PNG или векторный SVG, без окна</source>
        <translation>picture with the curves of the three models, PNG or vector SVG, without a window</translation>
    </message>
    <message>
        <source>что на рисунке: 1 траектория, 2 Y(t) (по умолчанию), 3 Vy(t)</source>
        <translation>what the picture shows: 1 trajectory, 2 Y(t) (default), 3 Vy(t)</translation>
    </message>
    <message>
        <source>ШxВ</source>
        <translation>WxH</translation>
    </message>
    <message>
        <source>размер PNG в пикселях (по умолчанию вдвое больше, чем в окне)</source>
        <translation>size of the PNG in pixels (by default twice the window&apos;s)</translation>
    </message>
    <message>
        <source>ФАЙЛ.pdf</source>
        <translation>FILE.pdf</translation>
    </message>
    <message>
        <source>рабочий лист урока на одной странице A4 (PDF), без окна</source>
        <translation>the lesson&apos;s worksheet on one A4 page (PDF), without a window</translation>
    </message>
    <message>
        <source>ФАЙЛ|newton1710-N</source>
        <translation>FILE|newton1710-N</translation>
    </message>
    <message>
        <source>данные опыта: таблица t, y (и Vy) или встроенный опыт со своими начальными данными</source>
        <translation>measured data: a table of t, y (and Vy) or a built-in experiment with its own inputs</translation>
    </message>
    <message>
        <source>точки опыта как измерены (по умолчанию) или первая точка в (0, h)</source>
        <translation>the measured points as measured (default) or the first point at (0, h)</translation>
    </message>
    <message>
        <source>подобрать по данным опыта c, η и сдвиг времени t0 (в отчёт)</source>
        <translation>fit c, η and the time shift t0 to the measured data (into the report)</translation>
    </message>
    <message>
        <source>открыть окно в виде «Урок» (Ctrl+L переключает виды)</source>
        <translation>open the window in the &quot;Lesson&quot; view (Ctrl+L switches the views)</translation>
    </message>
    <message>
        <source>начальная высота, м</source>
        <translation>initial height, m</translation>
    </message>
    <message>
        <source>проекция начальной скорости, м/с (вверх положительна)</source>
        <translation>initial vertical velocity, m/s (upwards is positive)</translation>
    </message>
    <message>
        <source>диаметр шара, м</source>
        <translation>diameter of the ball, m</translation>
    </message>
    <message>
        <source>масса шара, кг</source>
        <translation>mass of the ball, kg</translation>
    </message>
    <message>
        <source>плотность среды, кг/м3</source>
        <translation>density of the medium, kg/m³</translation>
    </message>
    <message>
        <source>вязкость среды, Па·с</source>
        <translation>viscosity of the medium, Pa·s</translation>
    </message>
    <message>
        <source>коэффициент лобового сопротивления шара</source>
        <translation>drag coefficient of the ball</translation>
    </message>
    <message>
        <source>Использование: velunta [ПАРАМЕТРЫ] [УРОК.velunta]
Без команды открывается окно программы (с начальными данными из параметров, если они заданы,
и с уроком из файла, если он назван).

</source>
        <translation>Usage: velunta [OPTIONS] [LESSON.velunta]
Without a command the program&apos;s window opens (with the inputs from the options, if given,
and with the lesson from the file, if named).

</translation>
    </message>
    <message>
        <source>
Значение пишется после «=» или через пробел: --h=5 или --h 5, --V0y=-5 или --V0y -5.
Числа пишутся с точкой или запятой. Начальные данные проверяются так же, как при вводе в
поля окна, все вместе, и порядок параметров не важен.

Коды завершения: 0 — сделано; 1 — окно не открыть, нет графического дисплея; 2 — неверный
параметр, начальные данные, которых окно не приняло бы (с его сообщением), или файл либо
стандартный вывод, куда не удалось записать.
</source>
        <translation>
A value follows &quot;=&quot; or a space: --h=5 or --h 5, --V0y=-5 or --V0y -5.
Numbers take a point or a comma. The inputs are checked as when typed into the
window&apos;s fields, all together, and the order of the options does not matter.

Exit status: 0 — done; 1 — the window cannot open, no display; 2 — a wrong
option, inputs the window would refuse (with its message), or a file or the
standard output that could not be written.
</translation>
    </message>
    <message>
        <source> или </source>
        <translation> or </translation>
    </message>
    <message>
        <source>нет такого файла</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>не удалось прочитать «%1»: %2</source>
        <translation>could not read &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>«%1», %2</source>
        <translation>&quot;%1&quot;, %2</translation>
    </message>
    <message>
        <source>стандартный вывод закрыт</source>
        <translation>the standard output is closed</translation>
    </message>
    <message>
        <source>читающая программа завершилась</source>
        <translation>the reading program has ended</translation>
    </message>
    <message>
        <source>поток не принимает данные</source>
        <translation>the stream takes no data</translation>
    </message>
    <message>
        <source>не удалось вывести результат на стандартный вывод: %1</source>
        <translation>could not write the result to the standard output: %1</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>параметру %1 значение не нужно: «%2»</source>
        <translation>option %1 takes no value: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>параметру %1 нужно значение: %1=%2</source>
        <translation>option %1 needs a value: %1=%2</translation>
    </message>
    <message>
        <source>не число: «%1»</source>
        <translation>not a number: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>одновременно %1 и %2</source>
        <translation>both %1 and %2</translation>
    </message>
    <message>
        <source>%1 задаётся только вместе с %2</source>
        <translation>%1 is given only together with %2</translation>
    </message>
    <message>
        <source>файл урока «%1» открывается только в окне</source>
        <translation>the lesson file &quot;%1&quot; opens only in the window</translation>
    </message>
    <message>
        <source>--fit: «%1»: подбираются c, eta, c,eta, c,t0, eta,t0 или c,eta,t0</source>
        <translation>--fit: &quot;%1&quot;: the choices are c, eta, c,eta, c,t0, eta,t0 or c,eta,t0</translation>
    </message>
    <message>
        <source>--align: «%1»: measured или launch</source>
        <translation>--align: &quot;%1&quot;: measured or launch</translation>
    </message>
    <message>
        <source>%1 задаётся только без команды, для окна: %2</source>
        <translation>%1 is given only without a command, for the window: %2</translation>
    </message>
    <message>
        <source>%1 сохраняется в файл %2, а не «%3».</source>
        <translation>%1 is saved to a %2 file, not &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>The table</translation>
    </message>
    <message>
        <source>Шаг по времени — число секунд, а не «%1».</source>
        <translation>Time step: a number of seconds, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Рисунок</source>
        <translation>The picture</translation>
    </message>
    <message>
        <source>Рисунок --view: 1 (траектория), 2 (Y(t)) или 3 (Vy(t)), а не «%1».</source>
        <translation>Picture --view: 1 (trajectory), 2 (Y(t)) or 3 (Vy(t)), not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Размер рисунка — ШИРИНАxВЫСОТА в пикселях, от 16 до 10000, а не «%1».</source>
        <translation>Picture size: WIDTHxHEIGHT in pixels, from 16 to 10000, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Рабочий лист</source>
        <translation>The worksheet</translation>
    </message>
    <message>
        <source>нет графического дисплея, окно не открыть; для работы без окна: velunta --help</source>
        <translation>no graphical display, the window cannot open; to work without a window: velunta --help</translation>
    </message>
    <message>
        <source>КОД</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>язык окна и выводов: ru (русский), en (английский) или другой встроенный перевод; выбор в меню не меняется</source>
        <translation>the language of the window and the outputs: ru (Russian), en (English) or another built-in translation; the choice in the menu does not change</translation>
    </message>
    <message>
        <source>--lang: «%1»: один из языков %2</source>
        <translation>--lang: &quot;%1&quot;: one of the languages %2</translation>
    </message>
</context>
<context>
    <name>ComparisonMenu</name>
    <message>
        <source>Vоy</source>
        <translation>V0y</translation>
    </message>
    <message>
        <source>начальные значения</source>
        <translation>initial values</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ExperimentMenu</name>
    <message>
        <source> м</source>
        <translation> m</translation>
    </message>
    <message>
        <source>%1 точка</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>%1 точки</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>%1 точек</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>«%1»: %2, %3
СКО:</source>
        <translation>&quot;%1&quot;: %2, %3
RMS:</translation>
    </message>
    <message>
        <source>первая точка в (0, h)</source>
        <translation>first point at (0, h)</translation>
    </message>
    <message>
        <source>как измерены</source>
        <translation>as measured</translation>
    </message>
    <message>
        <source>Данные опыта не прочитаны (%1):
%2</source>
        <translation>The measured data were not read (%1):
%2</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Открыть данные опыта</source>
        <translation>Open measured data</translation>
    </message>
    <message>
        <source>Таблицы (*.csv *.txt *.tsv *.dat);;Все файлы (*)</source>
        <translation>Tables (*.csv *.txt *.tsv *.dat);;All files (*)</translation>
    </message>
    <message>
        <source>Файл «%1» не открывается: %2</source>
        <translation>The file &quot;%1&quot; does not open: %2</translation>
    </message>
    <message>
        <source>В буфере обмена нет текста с таблицей опыта.</source>
        <translation>The clipboard holds no text with a table of measurements.</translation>
    </message>
    <message>
        <source>буфер обмена</source>
        <translation>clipboard</translation>
    </message>
    <message>
        <source>СКО опыта %1 / %2 / %3, лучше всех %4</source>
        <translation>RMS of the experiment %1 / %2 / %3, best %4</translation>
    </message>
    <message>
        <source>Подбор: %1; СКО %2</source>
        <translation>Fit: %1; RMS %2</translation>
    </message>
</context>
<context>
    <name>FitDialog</name>
    <message>
        <source> Па·с</source>
        <translation> Pa·s</translation>
    </message>
    <message>
        <source> с</source>
        <translation> s</translation>
    </message>
    <message>
        <source> (погрешность не оценить: точек не больше, чем параметров)</source>
        <translation> (the error cannot be estimated: no more points than parameters)</translation>
    </message>
    <message>
        <source>Подобрать не удалось: %1
Поля не изменены.</source>
        <translation>The fit failed: %1
The fields are unchanged.</translation>
    </message>
    <message>
        <source>решение не сошлось.</source>
        <translation>the solution did not converge.</translation>
    </message>
    <message>
        <source>СКО высоты после подбора: %1 м (итераций: %2)</source>
        <translation>RMS of the heights after the fit: %1 m (iterations: %2)</translation>
    </message>
    <message>
        <source>Подобрать по данным</source>
        <translation>Fit to the data</translation>
    </message>
    <message>
        <source>Что подобрать (модель Fc~v+v²)</source>
        <translation>What to fit (model Fc~v+v²)</translation>
    </message>
    <message>
        <source>коэффициент сопротивления c</source>
        <translation>drag coefficient c</translation>
    </message>
    <message>
        <source>вязкость среды η</source>
        <translation>viscosity of the medium η</translation>
    </message>
    <message>
        <source>c и η вместе</source>
        <translation>c and η together</translation>
    </message>
    <message>
        <source>и сдвиг времени t0 (момент броска неизвестен)</source>
        <translation>and the time shift t0 (the moment of the throw is unknown)</translation>
    </message>
    <message>
        <source>Подобрать</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Остатки (измерено − модель) по времени:</source>
        <translation>Residuals (measured − model) over time:</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>±%1 м</source>
        <translation>±%1 m</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Версия 1.1 (декабрь 2026): справочные документы, проверка ввода, пояснительные рисунки.</source>
        <translation>Version 1.1 (December 2026): help documents, input checks, explanatory pictures.</translation>
    </message>
    <message>
        <source>Инструкция</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Программа моделирует вертикальное движение шара в среде вблизи поверхности Земли</source>
        <translation>The program models the vertical motion of a ball in a medium near the surface of the Earth,</translation>
    </message>
    <message>
        <source>с учётом силы Архимеда и сил сопротивления, линейно и квадратично зависящих от скорости.</source>
        <translation>taking into account the buoyant force and drag forces that depend linearly and quadratically on the velocity.</translation>
    </message>
    <message>
        <source>История версий:</source>
        <translation>Version history:</translation>
    </message>
    <message>
        <source>Версия 1.0 (декабрь 2026): три модели движения и анимация; работает в Linux (Debian 12) с Qt 6; авторы: команда проекта «Велунта».</source>
        <translation>Version 1.0 (December 2026): three models of the motion and the animation; runs on Linux (Debian 12) with Qt 6; authors: the Velunta project team.</translation>
    </message>
    <message>
        <source>Велунта, версия %1.</source>
        <translation>Velunta, version %1.</translation>
    </message>
    <message>
        <source>Учебная программа: вертикальное движение шара в вакууме и в среде.</source>
        <translation>An educational program: the vertical motion of a ball in a vacuum and in a medium.</translation>
    </message>
    <message>
        <source>Свободная программа: лицензия GNU GPL версии 3 или любой более поздней версии.</source>
        <translation>Free software: licensed under the GNU GPL version 3 or any later version.</translation>
    </message>
    <message>
        <source>Исходный код распространяется вместе с программой.</source>
        <translation>The source code is distributed with the program.</translation>
    </message>
    <message>
        <source>Государственной регистрации у программы нет.</source>
        <translation>The program has no state registration.</translation>
    </message>
    <message>
        <source>Об ошибке сообщите разработчикам: приложите вывод команды velunta --version</source>
        <translation>To report a fault, write to the developers and attach the output of velunta --version</translation>
    </message>
    <message>
        <source>и исходные данные, при которых ошибка появилась.</source>
        <translation>and the inputs with which the fault appeared.</translation>
    </message>
    <message>
        <source>Велунта %1 — учебная программа: вертикальное движение шара в вакууме и в среде.</source>
        <translation>Velunta %1 is an educational program: the vertical motion of a ball in a vacuum and in a medium.</translation>
    </message>
    <message>
        <source>Свободная программа, лицензия GNU GPL версии 3 или более поздней; исходный код распространяется вместе с ней.</source>
        <translation>Free software, licensed under the GNU GPL version 3 or later; the source code is distributed with it.</translation>
    </message>
    <message>
        <source>Об ошибке сообщите разработчикам, приложив вывод команды</source>
        <translation>To report a fault, write to the developers and attach the output of the command</translation>
    </message>
    <message>
        <source>velunta --version и исходные данные.</source>
        <translation>velunta --version and the inputs.</translation>
    </message>
    <message>
        <source>Сохранить таблицу</source>
        <translation>Save Table</translation>
    </message>
    <message>
        <source>Шаг по времени, с:</source>
        <translation>Time step, s:</translation>
    </message>
    <message>
        <source>/таблица.csv</source>
        <translation>/table.csv</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <source>/рисунок.png</source>
        <translation>/picture.png</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png);;Векторный рисунок SVG (*.svg)</source>
        <translation>PNG picture (*.png);;SVG vector picture (*.svg)</translation>
    </message>
    <message>
        <source>Рабочий лист</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Печать рабочего листа</source>
        <translation>Print the Worksheet</translation>
    </message>
    <message>
        <source>Число ещё не принято. Enter — применить, Esc — вернуть прежнее значение.</source>
        <translation>The number is not accepted yet. Enter applies it, Esc restores the previous value.</translation>
    </message>
    <message>
        <source>Уроки Велунты (*.%1)</source>
        <translation>Velunta lessons (*.%1)</translation>
    </message>
    <message>
        <source>Урок «%1» не открыт: %2.</source>
        <translation>The lesson &quot;%1&quot; was not opened: %2.</translation>
    </message>
    <message>
        <source>Урок «%1» записан более новой версией программы. Не прочитано: %2.</source>
        <translation>The lesson &quot;%1&quot; was written by a newer version of the program. Not read: %2.</translation>
    </message>
    <message>
        <source>Урок</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Велунта.[*]</source>
        <translation>Velunta.[*]</translation>
    </message>
    <message>
        <source>%1[*] — Велунта.</source>
        <translation>%1[*] — Velunta.</translation>
    </message>
    <message>
        <source>Новый урок</source>
        <translation>New lesson</translation>
    </message>
    <message>
        <source>В уроке «%1» есть несохранённые изменения. Сохранить их?</source>
        <translation>The lesson &quot;%1&quot; has unsaved changes. Save them?</translation>
    </message>
    <message>
        <source>Урок не сохранён: %1</source>
        <translation>The lesson was not saved: %1</translation>
    </message>
    <message>
        <source>Сохранить урок</source>
        <translation>Save Lesson</translation>
    </message>
    <message>
        <source>урок.velunta</source>
        <translation>lesson.velunta</translation>
    </message>
    <message>
        <source>Открыть урок</source>
        <translation>Open Lesson</translation>
    </message>
    <message>
        <source>Заметки к уроку</source>
        <translation>Lesson Notes</translation>
    </message>
    <message>
        <source>Сохранить заметки</source>
        <translation>Save Notes</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>(пусто)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>шар: %1</source>
        <translation>ball: %1</translation>
    </message>
    <message>
        <source>среда: %1</source>
        <translation>medium: %1</translation>
    </message>
    <message>
        <source>начальные значения</source>
        <translation>start-up values</translation>
    </message>
    <message>
        <source>Язык программы сменится при следующем запуске.</source>
        <translation>The program&apos;s language will change at the next start.</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Велунта.</source>
        <translation>Velunta.</translation>
    </message>
    <message>
        <source>Анимация движения</source>
        <translation>Animation of the motion</translation>
    </message>
    <message>
        <source>.  Пауза</source>
        <translation>.  Paused</translation>
    </message>
    <message>
        <source>%1  Начало %2</source>
        <translation>%1  Start %2</translation>
    </message>
    <message>
        <source>%1.  Конец %2.  Время расчёта %3 c</source>
        <translation>%1.  End %2.  Run time %3 s</translation>
    </message>
    <message>
        <source>. Метки положения шара через %1 c</source>
        <translation>. Marks of the ball&apos;s position every %1 s</translation>
    </message>
    <message>
        <source>.  Прервано</source>
        <translation>.  Interrupted</translation>
    </message>
</context>
<context>
    <name>Form1Controls</name>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Инструкция</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Управление</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Регистрация</source>
        <translation>Registration</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Vоy=</source>
        <translation>Voy=</translation>
    </message>
    <message>
        <source>диаметр шара</source>
        <translation>diameter of the ball</translation>
    </message>
    <message>
        <source> м</source>
        <translation> m</translation>
    </message>
    <message>
        <source> м/с</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source> кг</source>
        <translation> kg</translation>
    </message>
    <message>
        <source> кг/м3</source>
        <translation> kg/m³</translation>
    </message>
    <message>
        <source> Па с</source>
        <translation> Pa·s</translation>
    </message>
    <message>
        <source>Характеристики</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Рассчитанные характеристики движения</source>
        <translation>Computed characteristics of the motion</translation>
    </message>
    <message>
        <source>__ в вакууме</source>
        <translation>__ in vacuum</translation>
    </message>
    <message>
        <source>__ в среде (Fc~v)</source>
        <translation>__ medium (Fc~v)</translation>
    </message>
    <message>
        <source>При линейной зависимости силы сопротивления от скорости</source>
        <translation>With the drag force proportional to the velocity</translation>
    </message>
    <message>
        <source>__ в среде (+Fc~v^2)</source>
        <translation>__ medium (+Fc~v^2)</translation>
    </message>
    <message>
        <source>При квадратичной зависимости силы сопротивления от скорости</source>
        <translation>With the drag force depending on the square of the velocity</translation>
    </message>
    <message>
        <source>Анимация движения</source>
        <translation>Animation of the motion</translation>
    </message>
    <message>
        <source>счетчик времени</source>
        <translation>time counter</translation>
    </message>
    <message>
        <source>Координата</source>
        <translation>Coordinate</translation>
    </message>
    <message>
        <source>замедление времени</source>
        <translation>time slow-down</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>анимация</source>
        <translation>animation</translation>
    </message>
    <message>
        <source>координата x(t)</source>
        <translation>coordinate x(t)</translation>
    </message>
    <message>
        <source>проекция Vy(t)</source>
        <translation>velocity Vy(t)</translation>
    </message>
    <message>
        <source>ПУСК</source>
        <translation>START</translation>
    </message>
    <message>
        <source>запуск установки</source>
        <translation>start the apparatus</translation>
    </message>
    <message>
        <source>Пересчёт</source>
        <translation>Recalculate</translation>
    </message>
    <message>
        <source>Пересчёт характеристик и установка в мсходное состояние</source>
        <translation>Recalculate the characteristics and return to the initial state</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
</context>
<context>
    <name>GraphPanel</name>
    <message>
        <source>График высоты Y(t) трёх моделей</source>
        <translation>Graph of the height Y(t) of the three models</translation>
    </message>
    <message>
        <source>График скорости Vy(t) трёх моделей</source>
        <translation>Graph of the velocity Vy(t) of the three models</translation>
    </message>
    <message>
        <source>График ускорения a(t) трёх моделей, из уравнений движения</source>
        <translation>Graph of the acceleration a(t) of the three models, from the equations of motion</translation>
    </message>
    <message>
        <source>a, м/с²</source>
        <translation>a, m/s²</translation>
    </message>
    <message>
        <source>Показать или скрыть: %1</source>
        <translation>Show or hide: %1</translation>
    </message>
    <message>
        <source>Показать график %1</source>
        <translation>Show the graph %1</translation>
    </message>
</context>
<context>
    <name>HelpDocuments</name>
    <message>
        <source>Велунта</source>
        <translation>Velunta</translation>
    </message>
    <message>
        <source>стр. %1 из %2</source>
        <translation>page %1 of %2</translation>
    </message>
</context>
<context>
    <name>InputPanel</name>
    <message>
        <source>Шар ▾</source>
        <translation>Ball ▾</translation>
    </message>
    <message>
        <source>Выбрать шар из списка</source>
        <translation>Choose a ball from the list</translation>
    </message>
    <message>
        <source>Среда ▾</source>
        <translation>Medium ▾</translation>
    </message>
    <message>
        <source>Выбрать среду из списка</source>
        <translation>Choose a medium from the list</translation>
    </message>
    <message>
        <source>Запомнить кривые для сравнения (Ctrl+K)</source>
        <translation>Keep the curves for comparison (Ctrl+K)</translation>
    </message>
    <message>
        <source>Забыть запомненные кривые</source>
        <translation>Forget the kept curves</translation>
    </message>
    <message>
        <source>безразмерный</source>
        <translation>dimensionless</translation>
    </message>
    <message>
        <source>. Enter — применить, Esc — вернуть прежнее.</source>
        <translation>. Enter applies, Esc restores the previous value.</translation>
    </message>
    <message>
        <source>%1: от %2 до %3 %4%5</source>
        <translation>%1: from %2 to %3 %4%5</translation>
    </message>
    <message>
        <source> (логарифмическая шкала)</source>
        <translation> (logarithmic scale)</translation>
    </message>
    <message>
        <source>Ползунок: %1</source>
        <translation>Slider: %1</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>ru</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>опыт (Vy по разностям)</source>
        <translation>measured (Vy from differences)</translation>
    </message>
    <message>
        <source>опыт</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>(хранятся %1 последних)</source>
        <translation>(the last %1 are kept)</translation>
    </message>
</context>
<context>
    <name>LessonFile</name>
    <message>
        <source>%1 — не число</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1 — не раздел с полями</source>
        <translation>%1 is not a section with fields</translation>
    </message>
    <message>
        <source>%1 — не список</source>
        <translation>%1 is not a list</translation>
    </message>
    <message>
        <source>%1: %2 элементов, а не больше %3</source>
        <translation>%1: %2 elements, not at most %3</translation>
    </message>
    <message>
        <source>%1: нет величины «%2»</source>
        <translation>%1: no quantity &quot;%2&quot;</translation>
    </message>
    <message>
        <source>«data», «alignment»: «%1» — нет такого способа</source>
        <translation>&quot;data&quot;, &quot;alignment&quot;: &quot;%1&quot; is no such alignment</translation>
    </message>
    <message>
        <source>«data», точка %1</source>
        <translation>&quot;data&quot;, point %1</translation>
    </message>
    <message>
        <source>%1: нужны время и высота</source>
        <translation>%1: time and height are needed</translation>
    </message>
    <message>
        <source>%1: время идёт назад</source>
        <translation>%1: the time goes backwards</translation>
    </message>
    <message>
        <source>файл больше 10 МБ — это не урок</source>
        <translation>the file is larger than 10 MB: this is not a lesson</translation>
    </message>
    <message>
        <source>это не урок: текст не JSON (строка %1: %2)</source>
        <translation>this is not a lesson: the text is not JSON (line %1: %2)</translation>
    </message>
    <message>
        <source>это не урок: нет пометки «format»: «%1»</source>
        <translation>this is not a lesson: no mark &quot;format&quot;: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>«kept», набор %1</source>
        <translation>&quot;kept&quot;, set %1</translation>
    </message>
    <message>
        <source>«notes» — не текст</source>
        <translation>&quot;notes&quot; is not a text</translation>
    </message>
</context>
<context>
    <name>LessonText</name>
    <message>
        <source>«data», «points»: нет ни одной точки</source>
        <translation>&quot;data&quot;, &quot;points&quot;: not a single point</translation>
    </message>
    <message>
        <source>«fit», «%1»: %2 — не больше нуля</source>
        <translation>&quot;fit&quot;, &quot;%1&quot;: %2 is not above zero</translation>
    </message>
    <message>
        <source>«fit», «%1»: погрешность меньше нуля</source>
        <translation>&quot;fit&quot;, &quot;%1&quot;: the error is below zero</translation>
    </message>
    <message>
        <source>«fit»: не подобраны ни «c», ни «eta»</source>
        <translation>&quot;fit&quot;: neither &quot;c&quot; nor &quot;eta&quot; is fitted</translation>
    </message>
    <message>
        <source>«fit», «rms» меньше нуля</source>
        <translation>&quot;fit&quot;, &quot;rms&quot; is below zero</translation>
    </message>
    <message>
        <source>«view», «lessonSpeed»: не больше нуля</source>
        <translation>&quot;view&quot;, &quot;lessonSpeed&quot;: not above zero</translation>
    </message>
    <message>
        <source>«view», «lessonGraphs»: «%1» — нет такого графика</source>
        <translation>&quot;view&quot;, &quot;lessonGraphs&quot;: &quot;%1&quot; is no such graph</translation>
    </message>
    <message>
        <source>«view», «lessonGraphs»: ни одного графика</source>
        <translation>&quot;view&quot;, &quot;lessonGraphs&quot;: not a single graph</translation>
    </message>
    <message>
        <source>«fit» без «data»: подбор без точек опыта</source>
        <translation>&quot;fit&quot; without &quot;data&quot;: a fit without measured points</translation>
    </message>
</context>
<context>
    <name>LessonWindow</name>
    <message>
        <source>Велунта. Урок</source>
        <translation>Velunta. Lesson</translation>
    </message>
    <message>
        <source>Текст:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Размер текста и толщина линий для проектора (Ctrl+= крупнее, Ctrl+- мельче)</source>
        <translation>Size of the text and thickness of the lines for a projector (Ctrl+= larger, Ctrl+- smaller)</translation>
    </message>
    <message>
        <source>Размер текста</source>
        <translation>Text size</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Сохранить таблицу…</source>
        <translation>Save Table…</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save Picture…</translation>
    </message>
    <message>
        <source>Печать рабочего листа…</source>
        <translation>Print Worksheet…</translation>
    </message>
    <message>
        <source>Копировать результаты</source>
        <translation>Copy Results</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy Picture</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Классический вид</source>
        <translation>Classic View</translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>Обычный размер (100 %)</source>
        <translation>Normal Size (100 %)</translation>
    </message>
    <message>
        <source>Равнодействующая сила</source>
        <translation>Net Force</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <source>/урок.png</source>
        <translation>/lesson.png</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png);;Векторный рисунок SVG (*.svg)</source>
        <translation>PNG picture (*.png);;SVG vector picture (*.svg)</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Открыть урок…</source>
        <translation>Open Lesson…</translation>
    </message>
    <message>
        <source>Сохранить урок</source>
        <translation>Save Lesson</translation>
    </message>
    <message>
        <source>Сохранить урок как…</source>
        <translation>Save Lesson As…</translation>
    </message>
    <message>
        <source>Последние уроки</source>
        <translation>Recent Lessons</translation>
    </message>
    <message>
        <source>Заметки к уроку…</source>
        <translation>Lesson Notes…</translation>
    </message>
    <message>
        <source>Открыть данные опыта…</source>
        <translation>Open Measured Data…</translation>
    </message>
    <message>
        <source>Вставить данные опыта</source>
        <translation>Paste Measured Data</translation>
    </message>
    <message>
        <source>Сохранить таблицу…</source>
        <translation>Save Table…</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save Picture…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Копировать результаты</source>
        <translation>Copy Results</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy Picture</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;Шар</source>
        <translation>&amp;Ball</translation>
    </message>
    <message>
        <source>Начальные значения</source>
        <translation>Start-up Values</translation>
    </message>
    <message>
        <source>С&amp;реда</source>
        <translation>&amp;Medium</translation>
    </message>
    <message>
        <source>&amp;Опыт</source>
        <translation>E&amp;xperiment</translation>
    </message>
    <message>
        <source>Подобрать по данным…</source>
        <translation>Fit to Data…</translation>
    </message>
    <message>
        <source>Первая точка — бросок из (0, h)</source>
        <translation>First Point Is the Launch from (0, h)</translation>
    </message>
    <message>
        <source>Убрать данные опыта</source>
        <translation>Remove Measured Data</translation>
    </message>
    <message>
        <source>&amp;Сравнение</source>
        <translation>&amp;Comparison</translation>
    </message>
    <message>
        <source>Запомнить кривые</source>
        <translation>Keep Curves</translation>
    </message>
    <message>
        <source>Забыть запомненные</source>
        <translation>Forget Kept Curves</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>Обычный размер (100 %)</source>
        <translation>Normal Size (100 %)</translation>
    </message>
    <message>
        <source>Кривые Fc~v+v² до ПУСКа</source>
        <translation>Fc~v+v² Curves before START</translation>
    </message>
    <message>
        <source>Урок</source>
        <translation>Lesson</translation>
    </message>
</context>
<context>
    <name>Model</name>
    <message>
        <source>время подъёма</source>
        <translation>rise time</translation>
    </message>
    <message>
        <source>наибольшая высота</source>
        <translation>greatest height</translation>
    </message>
    <message>
        <source>время полёта</source>
        <translation>flight time</translation>
    </message>
    <message>
        <source>скорость при падении</source>
        <translation>landing velocity</translation>
    </message>
    <message>
        <source>предельная скорость</source>
        <translation>terminal velocity</translation>
    </message>
    <message>
        <source>характерное время</source>
        <translation>characteristic time</translation>
    </message>
    <message>
        <source>время спуска</source>
        <translation>descent time</translation>
    </message>
    <message>
        <source>величина R</source>
        <translation>quantity R</translation>
    </message>
    <message>
        <source>параметр b</source>
        <translation>parameter b</translation>
    </message>
    <message>
        <source>декремент при спуске</source>
        <translation>descent decrement</translation>
    </message>
    <message>
        <source>параметр φ</source>
        <translation>parameter φ</translation>
    </message>
    <message>
        <source>высота в момент t</source>
        <translation>height at time t</translation>
    </message>
    <message>
        <source>скорость в момент t</source>
        <translation>velocity at time t</translation>
    </message>
    <message>
        <source>ускорение в момент t</source>
        <translation>acceleration at time t</translation>
    </message>
    <message>
        <source>«%1» — неизвестная единица</source>
        <translation>&quot;%1&quot; is an unknown unit</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>нет столбца времени (t) или высоты (y)</source>
        <translation>no column of time (t) or height (y)</translation>
    </message>
    <message>
        <source>больше %1 строк с точками</source>
        <translation>more than %1 lines with points</translation>
    </message>
    <message>
        <source>не хватает столбца: нужны время и высота</source>
        <translation>a column is missing: time and height are needed</translation>
    </message>
    <message>
        <source>«%1» — не число</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>время идёт назад: %1 с после %2 с</source>
        <translation>the time goes backwards: %1 s after %2 s</translation>
    </message>
    <message>
        <source>нет ни одной точки: строка %1: «%2» — не число</source>
        <translation>not a single point: line %1: &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>нет ни одной точки: нужны строки из двух чисел, времени и высоты</source>
        <translation>not a single point: lines of two numbers, time and height, are needed</translation>
    </message>
    <message>
        <source>Не выбрано, что подбирать: c, η или оба.</source>
        <translation>Nothing chosen to fit: c, η or both.</translation>
    </message>
    <message>
        <source>Точек опыта меньше, чем подбираемых величин (%1 &lt; %2): подобрать их нельзя.</source>
        <translation>Fewer measured points than quantities to fit (%1 &lt; %2): they cannot be fitted.</translation>
    </message>
    <message>
        <source>Подбор не удалось начать: модель не считается для этих начальных данных.</source>
        <translation>The fit could not start: the model cannot be computed for these inputs.</translation>
    </message>
    <message>
        <source>Подбор не сошёлся за %1 шагов; ничего не изменено.</source>
        <translation>The fit did not converge in %1 steps; nothing changed.</translation>
    </message>
    <message>
        <source>Подбор не сошёлся (%1); ничего не изменено.</source>
        <translation>The fit did not converge (%1); nothing changed.</translation>
    </message>
    <message>
        <source>Подбор упёрся в предел поля %1: опыт этой моделью не описывается; ничего не изменено.</source>
        <translation>The fit ran into the limit of the field %1: this model does not describe the experiment; nothing changed.</translation>
    </message>
    <message>
        <source>По этим данным %1 не найти: высоты от этой величины почти не зависят (как в вакууме); ничего не изменено.</source>
        <translation>%1 cannot be found from these data: the heights hardly depend on it (as in a vacuum); nothing changed.</translation>
    </message>
    <message>
        <source>По этим данным %1 не определяется: погрешность больше самого значения; ничего не изменено.</source>
        <translation>%1 is not determined by these data: the error is larger than the value itself; nothing changed.</translation>
    </message>
    <message>
        <source>%1 раз</source>
        <translation>%1 times</translation>
    </message>
    <message>
        <source>%1 раза</source>
        <translation>%1 times</translation>
    </message>
    <message>
        <source>столбцы Fc~v и Fc~v+v² почти совпадают</source>
        <translation>the columns Fc~v and Fc~v+v² nearly coincide</translation>
    </message>
    <message>
        <source>верен столбец Fc~v+v²</source>
        <translation>the column Fc~v+v² is right</translation>
    </message>
    <message>
        <source>вязкое сопротивление в %1 больше лобового: %2</source>
        <translation>viscous drag is %1 larger than pressure drag: %2</translation>
    </message>
    <message>
        <source>вязкое и лобовое сопротивление сравнимы (лобовое/вязкое ≈ %1): %2</source>
        <translation>viscous and pressure drag are comparable (pressure/viscous ≈ %1): %2</translation>
    </message>
    <message>
        <source>лобовое сопротивление в %1 больше вязкого: %2</source>
        <translation>pressure drag is %1 larger than viscous drag: %2</translation>
    </message>
    <message>
        <source>%1; за этот полёт годится и вакуум</source>
        <translation>%1; for this flight a vacuum will do as well</translation>
    </message>
    <message>
        <source>%1; годится и вакуум</source>
        <translation>%1; a vacuum will do as well</translation>
    </message>
    <message>
        <source>Re ≈ %1 при Vp2, %2 при старте; %3</source>
        <translation>Re ≈ %1 at Vp2, %2 at the launch; %3</translation>
    </message>
    <message>
        <source>Уже упало?!</source>
        <translation>Already landed?!</translation>
    </message>
    <message>
        <source>тело под Землей?! такой расчёт не предусмотрен!</source>
        <translation>A body under the ground?! No such calculation is provided for!</translation>
    </message>
    <message>
        <source>Это не материальная точка!</source>
        <translation>This is not a point mass!</translation>
    </message>
    <message>
        <source>Плотность шара получается меньше плотности среды. Всплывание не моделируется! При таких параметрах диаметр не больше, чем...</source>
        <translation>The ball&apos;s density comes out less than the density of the medium. Floating up is not modelled! With these parameters the diameter is at most...</translation>
    </message>
    <message>
        <source>Шарик из чего-то сделан! например, из стали.</source>
        <translation>The ball is made of something! Of steel, for example.</translation>
    </message>
    <message>
        <source>Масса мала. Плотность шара получается меньше плотности среды.Всплывание не моделируется! При таких параметрах масса не меньше, чем...</source>
        <translation>The mass is too small. The ball&apos;s density comes out less than the density of the medium. Floating up is not modelled! With these parameters the mass is at least...</translation>
    </message>
    <message>
        <source>Для вакуума всё и так известно! Возьмите хотя бы воздух.</source>
        <translation>Everything is known about a vacuum already! Take air at least.</translation>
    </message>
    <message>
        <source>Всплывание не моделируется</source>
        <translation>Floating up is not modelled</translation>
    </message>
    <message>
        <source>Для вакуума всё и так известно! Возьмите воздух!</source>
        <translation>Everything is known about a vacuum already! Take air!</translation>
    </message>
    <message>
        <source>Для случая с &lt;= 0 программа не работает.</source>
        <translation>The program does not work for c &lt;= 0.</translation>
    </message>
    <message>
        <source>Слишком большое число! Такой расчёт не предусмотрен.</source>
        <translation>The number is too large! No such calculation is provided for.</translation>
    </message>
    <message>
        <source>Слишком высоко! Расчёт предусмотрен для высот не больше 100000 м.</source>
        <translation>Too high! The calculation is provided for heights of at most 100000 m.</translation>
    </message>
    <message>
        <source>Слишком быстро! Расчёт предусмотрен для скоростей не больше 10000 м/с по модулю.</source>
        <translation>Too fast! The calculation is provided for speeds of at most 10000 m/s.</translation>
    </message>
    <message>
        <source>Слишком большой шар! Расчёт предусмотрен для диаметров не больше 100 м.</source>
        <translation>The ball is too large! The calculation is provided for diameters of at most 100 m.</translation>
    </message>
    <message>
        <source>Слишком тяжёлый шар! Расчёт предусмотрен для масс не больше 1000000000 кг.</source>
        <translation>The ball is too heavy! The calculation is provided for masses of at most 1000000000 kg.</translation>
    </message>
    <message>
        <source>Такой плотной среды не бывает! Расчёт предусмотрен для плотностей не больше 100000 кг/м3.</source>
        <translation>There is no medium that dense! The calculation is provided for densities of at most 100000 kg/m³.</translation>
    </message>
    <message>
        <source>Слишком вязкая среда! Расчёт предусмотрен для вязкостей не больше 10000 Па с.</source>
        <translation>The medium is too viscous! The calculation is provided for viscosities of at most 10000 Pa·s.</translation>
    </message>
    <message>
        <source>Слишком большой коэффициент сопротивления! Расчёт предусмотрен для значений не больше 1000.</source>
        <translation>The drag coefficient is too large! The calculation is provided for values of at most 1000.</translation>
    </message>
    <message>
        <source>вакуум</source>
        <translation>vacuum</translation>
    </message>
    <message>
        <source>Нет точек опыта</source>
        <translation>No measured points</translation>
    </message>
    <message>
        <source>Опыт лучше всего описывает падение без сопротивления (модель «вакуум»)</source>
        <translation>The experiment is described best by the fall without drag (the &quot;vacuum&quot; model)</translation>
    </message>
    <message>
        <source>Опыт лучше всего описывает модель %1</source>
        <translation>The experiment is described best by the model %1</translation>
    </message>
    <message>
        <source>начальная высота</source>
        <translation>initial height</translation>
    </message>
    <message>
        <source>проекция начальной скорости </source>
        <translation>component of the initial velocity </translation>
    </message>
    <message>
        <source>проекция начальной скорости</source>
        <translation>component of the initial velocity</translation>
    </message>
    <message>
        <source>Диаметр шара</source>
        <translation>Diameter of the ball</translation>
    </message>
    <message>
        <source>диаметр шара</source>
        <translation>diameter of the ball</translation>
    </message>
    <message>
        <source>масса шара</source>
        <translation>mass of the ball</translation>
    </message>
    <message>
        <source>плотность среды</source>
        <translation>density of the medium</translation>
    </message>
    <message>
        <source>вязкость среды</source>
        <translation>viscosity of the medium</translation>
    </message>
    <message>
        <source>коэффициент лобового сопротивления для шара</source>
        <translation>drag coefficient of the ball</translation>
    </message>
    <message>
        <source>коэффициент лобового сопротивления</source>
        <translation>drag coefficient</translation>
    </message>
    <message>
        <source>плотность материала  шара</source>
        <translation>density of the ball&apos;s material</translation>
    </message>
    <message>
        <source>плотность шара</source>
        <translation>density of the ball</translation>
    </message>
    <message>
        <source>время подъёма до максимальной высоты в вакууме. Аналитически.</source>
        <translation>time of the rise to the greatest height in a vacuum. Analytical.</translation>
    </message>
    <message>
        <source>максимальная высота подъёма в вакууме. Аналитически</source>
        <translation>greatest height of the rise in a vacuum. Analytical</translation>
    </message>
    <message>
        <source>время всего полёта в вакууме. Аналитически</source>
        <translation>time of the whole flight in a vacuum. Analytical</translation>
    </message>
    <message>
        <source>проекция скорости Vy в конце полёта в вакууме. Аналитически</source>
        <translation>velocity Vy at the end of the flight in a vacuum. Analytical</translation>
    </message>
    <message>
        <source>Характерное время. Нажми</source>
        <translation>Characteristic time. Click</translation>
    </message>
    <message>
        <source>Предельная вертикальная скорость.Нажми</source>
        <translation>Terminal vertical velocity. Click</translation>
    </message>
    <message>
        <source>Время подъёма до максимальной высоты в среде. Аналитически</source>
        <translation>Time of the rise to the greatest height in the medium. Analytical</translation>
    </message>
    <message>
        <source>Максимальная высота подъёма в среде. Аналитически</source>
        <translation>Greatest height of the rise in the medium. Analytical</translation>
    </message>
    <message>
        <source>Время всего полёта в среде (численно с уточнением до 0,00000001 с)</source>
        <translation>Time of the whole flight in the medium (numerical, refined to 0.00000001 s)</translation>
    </message>
    <message>
        <source>Проекция скорости Vy в конце полета в среде (численно с уточнением)</source>
        <translation>Velocity Vy at the end of the flight in the medium (numerical, refined)</translation>
    </message>
    <message>
        <source>Координата при времени Tmax1. Аналитически</source>
        <translation>Coordinate at the time Tmax1. Analytical</translation>
    </message>
    <message>
        <source>координата в момент Tmax</source>
        <translation>coordinate at the time Tmax</translation>
    </message>
    <message>
        <source>Предельная вертикальная скорость</source>
        <translation>Terminal vertical velocity</translation>
    </message>
    <message>
        <source>Величина R. Нажми</source>
        <translation>The quantity R. Click</translation>
    </message>
    <message>
        <source>Параметр b</source>
        <translation>Parameter b</translation>
    </message>
    <message>
        <source>Декремент при спуске</source>
        <translation>Descent decrement</translation>
    </message>
    <message>
        <source>Параметр fi</source>
        <translation>Parameter fi</translation>
    </message>
    <message>
        <source>Время подъёма до максимальной высоты в среде. Аналитически.</source>
        <translation>Time of the rise to the greatest height in the medium. Analytical.</translation>
    </message>
    <message>
        <source>Максимальная высота подъёма. Аналитически.</source>
        <translation>Greatest height of the rise. Analytical.</translation>
    </message>
    <message>
        <source>Время спуска с максимальной высоты.Аналитически. С уточнением до 8 знака</source>
        <translation>Time of the descent from the greatest height. Analytical. Refined to the 8th digit</translation>
    </message>
    <message>
        <source>Время всего полёта. Аналитически.  С уточнением до 8 знака</source>
        <translation>Time of the whole flight. Analytical. Refined to the 8th digit</translation>
    </message>
    <message>
        <source>Координата при времени Tmax2. Аналитически</source>
        <translation>Coordinate at the time Tmax2. Analytical</translation>
    </message>
    <message>
        <source>Проекция скорости Vy в конце полета (численно)</source>
        <translation>Velocity Vy at the end of the flight (numerical)</translation>
    </message>
    <message>
        <source>Время спуска с максимальной высоты. Уточнение корня методом половинного деления.<byte value="xd"/>
точность 0,00000001 с. %1 итераций.</source>
        <translation>Time of the descent from the greatest height. The root refined by bisection.<byte value="xd"/>
accuracy 0.00000001 s. %1 iterations.</translation>
    </message>
</context>
<context>
    <name>ModelStyles</name>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Л</source>
        <translation>L</translation>
    </message>
    <message>
        <source>К</source>
        <translation>Q</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>Рисунок сохраняется в файл .png или .svg, а не «%1».</source>
        <translation>A picture is saved to a .png or .svg file, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Не удалось нарисовать рисунок «%1».</source>
        <translation>Could not draw the picture &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Велунта</source>
        <translation>Velunta</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>реальное время</source>
        <translation>real time</translation>
    </message>
    <message>
        <source>замедление ×%1</source>
        <translation>slow-down ×%1</translation>
    </message>
    <message>
        <source>ускорение ×%1</source>
        <translation>speed-up ×%1</translation>
    </message>
    <message>
        <source>Кадр назад</source>
        <translation>Frame back</translation>
    </message>
    <message>
        <source>На кадр назад (←)</source>
        <translation>One frame back (←)</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Кадр вперёд</source>
        <translation>Frame forward</translation>
    </message>
    <message>
        <source>На кадр вперёд (→)</source>
        <translation>One frame forward (→)</translation>
    </message>
    <message>
        <source>Время полёта</source>
        <translation>Flight time</translation>
    </message>
    <message>
        <source>Время от броска до последнего падения: перетащите, чтобы сдвинуть все шары</source>
        <translation>Time from the throw to the last landing: drag to move all the balls</translation>
    </message>
    <message>
        <source>Время и скорость воспроизведения</source>
        <translation>Time and playback speed</translation>
    </message>
    <message>
        <source>Показанное время и во сколько раз оно идёт медленнее или быстрее настоящего</source>
        <translation>The time shown and how many times slower or faster than real time it runs</translation>
    </message>
    <message>
        <source>Скорость воспроизведения</source>
        <translation>Playback speed</translation>
    </message>
    <message>
        <source>Реальное время, замедление в 10 или 100 раз, ускорение в 10 раз</source>
        <translation>Real time, slowed down 10 or 100 times, sped up 10 times</translation>
    </message>
    <message>
        <source>t = %1 с из %2 с · %3</source>
        <translation>t = %1 s of %2 s · %3</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Остановить время (пробел)</source>
        <translation>Stop the time (space)</translation>
    </message>
    <message>
        <source>Запустить время (пробел)</source>
        <translation>Start the time (space)</translation>
    </message>
</context>
<context>
    <name>PresetMenus</name>
    <message>
        <source>Всплывает: плотность шара %1 кг/м3 не больше плотности среды %2 кг/м3. Всплывание не моделируется.</source>
        <translation>Floats up: the ball&apos;s density %1 kg/m³ is not more than the medium&apos;s density %2 kg/m³. Floating up is not modelled.</translation>
    </message>
    <message>
        <source>d = %1 м, m = %2 кг, c = %3</source>
        <translation>d = %1 m, m = %2 kg, c = %3</translation>
    </message>
    <message>
        <source>Шар всплывёт: плотность среды %1 кг/м3 не меньше плотности шара %2 кг/м3. Всплывание не моделируется.</source>
        <translation>The ball would float up: the medium&apos;s density %1 kg/m³ is not less than the ball&apos;s density %2 kg/m³. Floating up is not modelled.</translation>
    </message>
    <message>
        <source>ρο = %1 кг/м3, η = %2 Па с</source>
        <translation>ρο = %1 kg/m³, η = %2 Pa·s</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>стальной шарик 10 мм</source>
        <translation>steel ball 10 mm</translation>
    </message>
    <message>
        <source>свинцовая дробинка</source>
        <translation>lead shot</translation>
    </message>
    <message>
        <source>стеклянный шарик</source>
        <translation>glass marble</translation>
    </message>
    <message>
        <source>шарик для настольного тенниса</source>
        <translation>table-tennis ball</translation>
    </message>
    <message>
        <source>мяч для гольфа</source>
        <translation>golf ball</translation>
    </message>
    <message>
        <source>капля дождя 2 мм</source>
        <translation>raindrop 2 mm</translation>
    </message>
    <message>
        <source>градина</source>
        <translation>hailstone</translation>
    </message>
    <message>
        <source>песчинка 1,5 мм</source>
        <translation>sand grain 1.5 mm</translation>
    </message>
    <message>
        <source>воздух</source>
        <translation>air</translation>
    </message>
    <message>
        <source>вода</source>
        <translation>water</translation>
    </message>
    <message>
        <source>морская вода (солёность 35 ‰)</source>
        <translation>sea water (salinity 35 ‰)</translation>
    </message>
    <message>
        <source>спирт этиловый</source>
        <translation>ethanol</translation>
    </message>
    <message>
        <source>ртуть</source>
        <translation>mercury</translation>
    </message>
    <message>
        <source>масло подсолнечное</source>
        <translation>sunflower oil</translation>
    </message>
    <message>
        <source>масло моторное (SAE 30)</source>
        <translation>motor oil (SAE 30)</translation>
    </message>
    <message>
        <source>масло касторовое</source>
        <translation>castor oil</translation>
    </message>
    <message>
        <source>глицерин</source>
        <translation>glycerol</translation>
    </message>
    <message>
        <source>мёд</source>
        <translation>honey</translation>
    </message>
    <message>
        <source>Ньютон, 1710: шар 1 (510 гран, 5,1 дюйма, 8,2 с)</source>
        <translation>Newton, 1710: ball 1 (510 grains, 5.1 inches, 8.2 s)</translation>
    </message>
    <message>
        <source>Ньютон, 1710: шар 2 (642 гран, 5,2 дюйма, 7,7 с)</source>
        <translation>Newton, 1710: ball 2 (642 grains, 5.2 inches, 7.7 s)</translation>
    </message>
    <message>
        <source>Ньютон, 1710: шар 3 (599 гран, 5,1 дюйма, 7,7 с)</source>
        <translation>Newton, 1710: ball 3 (599 grains, 5.1 inches, 7.7 s)</translation>
    </message>
    <message>
        <source>Ньютон, 1710: шар 4 (515 гран, 5 дюймов, 7,95 с)</source>
        <translation>Newton, 1710: ball 4 (515 grains, 5 inches, 7.95 s)</translation>
    </message>
    <message>
        <source>Ньютон, 1710: шар 5 (483 гран, 5 дюймов, 8,2 с)</source>
        <translation>Newton, 1710: ball 5 (483 grains, 5 inches, 8.2 s)</translation>
    </message>
    <message>
        <source>Ньютон, 1710: шар 6 (641 гран, 5,2 дюйма, 7,7 с)</source>
        <translation>Newton, 1710: ball 6 (641 grains, 5.2 inches, 7.7 s)</translation>
    </message>
    <message>
        <source>| Среда | Температура, °C | Плотность ρ_{0}, кг/м³ | Вязкость η, Па·с | Ввод в поле η= |
</source>
        <translation>| Medium | Temperature, °C | Density ρ_{0}, kg/m³ | Viscosity η, Pa·s | Typed into η= |
</translation>
    </message>
    <message>
        <source>| Шар | d, м | m, кг | Плотность ρ, кг/м³ | c |
</source>
        <translation>| Ball | d, m | m, kg | Density ρ, kg/m³ | c |
</translation>
    </message>
</context>
<context>
    <name>RaceScene</name>
    <message>
        <source>сила тяжести</source>
        <translation>gravity</translation>
    </message>
    <message>
        <source>сила Архимеда</source>
        <translation>buoyancy</translation>
    </message>
    <message>
        <source>сопротивление ~v</source>
        <translation>drag ~v</translation>
    </message>
    <message>
        <source>сопротивление ~v²</source>
        <translation>drag ~v²</translation>
    </message>
    <message>
        <source>равнодействующая</source>
        <translation>net force</translation>
    </message>
    <message>
        <source>сохранённые наборы</source>
        <translation>kept sets</translation>
    </message>
    <message>
        <source>Три шара: вакуум, Fc~v и Fc~v+v²</source>
        <translation>Three balls: vacuum, Fc~v and Fc~v+v²</translation>
    </message>
    <message>
        <source>Шары трёх моделей на одной шкале высоты и силы, действующие на них</source>
        <translation>The balls of the three models on one scale of height, and the forces acting on them</translation>
    </message>
    <message>
        <source>0,0000 Н</source>
        <translation>0.0000 N</translation>
    </message>
    <message>
        <source>0 м</source>
        <translation>0 m</translation>
    </message>
    <message>
        <source>на земле</source>
        <translation>on the ground</translation>
    </message>
    <message>
        <source>%1 = %2 Н%3</source>
        <translation>%1 = %2 N%3</translation>
    </message>
    <message>
        <source>%1 Н</source>
        <translation>%1 N</translation>
    </message>
    <message>
        <source>упал при t = %1 с</source>
        <translation>landed at t = %1 s</translation>
    </message>
    <message>
        <source>в полёте</source>
        <translation>in flight</translation>
    </message>
    <message>
        <source>Y, м</source>
        <translation>Y, m</translation>
    </message>
    <message>
        <source>h = %1 м</source>
        <translation>h = %1 m</translation>
    </message>
    <message>
        <source>Ymax = %1 м</source>
        <translation>Ymax = %1 m</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>В вакууме</source>
        <translation>In vacuum</translation>
    </message>
    <message>
        <source>В среде (Fc~v)</source>
        <translation>In a medium (Fc~v)</translation>
    </message>
    <message>
        <source>В среде (Fc~v+v²)</source>
        <translation>In a medium (Fc~v+v²)</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
</context>
<context>
    <name>ResultsView</name>
    <message>
        <source>Таблица результатов трёх моделей</source>
        <translation>Results table of the three models</translation>
    </message>
    <message>
        <source>Строка на величину, столбец на модель; наведите на число, чтобы увидеть все его цифры</source>
        <translation>A row per quantity, a column per model; hover over a number to see all its digits</translation>
    </message>
    <message>
        <source>Модель «%1», буква %2</source>
        <translation>Model &quot;%1&quot;, letter %2</translation>
    </message>
    <message>
        <source>Режим обтекания</source>
        <translation>Flow regime</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Начальные данные и таблица со всеми цифрами — в буфер обмена, для электронной таблицы</source>
        <translation>The inputs and the table with all the digits to the clipboard, for a spreadsheet</translation>
    </message>
    <message>
        <source>Копировать результаты</source>
        <translation>Copy results</translation>
    </message>
    <message>
        <source>В этой модели нет такой величины или она не имеет смысла</source>
        <translation>This model has no such quantity, or it has no meaning here</translation>
    </message>
    <message>
        <source>в момент t = %1 с</source>
        <translation>at time t = %1 s</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Величина	Обозначение	Единица	%1	%2	%3</source>
        <translation>Quantity	Symbol	Unit	%1	%2	%3</translation>
    </message>
    <message>
        <source>t	%1	с</source>
        <translation>t	%1	s</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Число Рейнольдса Re = ρο·v·d/η показывает, во сколько раз силы инерции в потоке больше сил вязкости. При Re много меньше 1 сопротивление вязкое и пропорционально скорости (Fc~v), при Re больше тысячи оно лобовое и растёт как квадрат скорости (Fc~v²).</source>
        <translation>The Reynolds number Re = ρο·v·d/η tells how many times the inertial forces in the flow exceed the viscous forces. At Re much less than 1 the drag is viscous and proportional to the velocity (Fc~v); at Re above a thousand it is pressure drag and grows as the square of the velocity (Fc~v²).</translation>
    </message>
    <message>
        <source>Y = %1 м</source>
        <translation>Y = %1 m</translation>
    </message>
    <message>
        <source>t = %1 c</source>
        <translation>t = %1 s</translation>
    </message>
    <message>
        <source>Vy = %1 м/с</source>
        <translation>Vy = %1 m/s</translation>
    </message>
    <message>
        <source> (упал)</source>
        <translation> (landed)</translation>
    </message>
    <message>
        <source>    опыт, точка %1: t = %2 c, </source>
        <translation>    measured, point %1: t = %2 s, </translation>
    </message>
    <message>
        <source>Vy = %1 м/с%2</source>
        <translation>Vy = %1 m/s%2</translation>
    </message>
    <message>
        <source> (по разностям)</source>
        <translation> (from differences)</translation>
    </message>
</context>
<context>
    <name>TableExport</name>
    <message>
        <source>Шаг по времени должен быть положительным числом.</source>
        <translation>The time step must be a positive number.</translation>
    </message>
    <message>
        <source>Шаг по времени слишком мал: в таблице было бы больше %1 строк.</source>
        <translation>The time step is too small: the table would have more than %1 rows.</translation>
    </message>
    <message>
        <source>Опыт «%1»;точек: %2;%3</source>
        <translation>Experiment &quot;%1&quot;;points: %2;%3</translation>
    </message>
    <message>
        <source>t, c;Y, м;Vy, м/с%1;Y − Y вакуум, м;Y − Y Fc~v, м;Y − Y Fc~v+v², м</source>
        <translation>t (s);Y (m);Vy (m/s)%1;Y − Y vacuum (m);Y − Y Fc~v (m);Y − Y Fc~v+v² (m)</translation>
    </message>
    <message>
        <source> (по разностям)</source>
        <translation> (from differences)</translation>
    </message>
    <message>
        <source>СКО, м;;</source>
        <translation>RMS (m);;</translation>
    </message>
    <message>
        <source>t, c</source>
        <translation>t (s)</translation>
    </message>
    <message>
        <source>Y %1, м;Vy %1, м/с</source>
        <translation>Y %1 (m);Vy %1 (m/s)</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>ρо</source>
        <translation>ρ0</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Отменить: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Повторить: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>ввод величин</source>
        <translation>inputs</translation>
    </message>
    <message>
        <source>забыть запомненные</source>
        <translation>forget kept curves</translation>
    </message>
    <message>
        <source>запомнить кривые</source>
        <translation>keep curves</translation>
    </message>
    <message>
        <source>изменение урока</source>
        <translation>lesson change</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>м/с</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>1/с</source>
        <translation>1/s</translation>
    </message>
    <message>
        <source>рад</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>м/с²</source>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>кг</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>кг/м3</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>Па·с</source>
        <translation>Pa·s</translation>
    </message>
    <message>
        <source>c</source>
        <translation>s</translation>
    </message>
    <message>
        <source>м/c</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>1/c</source>
        <translation>1/s</translation>
    </message>
</context>
<context>
    <name>ViewScale</name>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Вид %1 %</source>
        <translation>&amp;View %1 %</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>исчерпана квота на диске</source>
        <translation>the disk quota is exhausted</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>диск только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>нет прав на запись</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>часть пути — не папка</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>нет такой папки</source>
        <translation>no such folder</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>слишком длинное имя</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>the file is busy</translation>
    </message>
    <message>
        <source>ошибка системы (код %1)</source>
        <translation>system error (code %1)</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2</source>
        <translation>Could not write the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>ошибка записи</source>
        <translation>write error</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Вертикальное движение шара в вакууме и в вязкой среде</source>
        <translation>The vertical motion of a ball in a vacuum and in a viscous medium</translation>
    </message>
    <message>
        <source>Дата: </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>Рабочий лист: сравнение трёх моделей движения</source>
        <translation>Worksheet: comparing three models of the motion</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Уравнение движения (Fc~v+v²)</source>
        <translation>Equation of motion (Fc~v+v²)</translation>
    </message>
    <message>
        <source>Результаты расчёта</source>
        <translation>Computed results</translation>
    </message>
    <message>
        <source>Координата Y(t)</source>
        <translation>Height Y(t)</translation>
    </message>
    <message>
        <source>Проекция скорости Vy(t)</source>
        <translation>Velocity Vy(t)</translation>
    </message>
    <message>
        <source>в вакууме</source>
        <translation>in vacuum</translation>
    </message>
    <message>
        <source>в среде, Fc~v</source>
        <translation>in a medium, Fc~v</translation>
    </message>
    <message>
        <source>в среде, Fc~v+v²</source>
        <translation>in a medium, Fc~v+v²</translation>
    </message>
    <message>
        <source>Зелёная сетка — шаги координатной сетки; вертикальные отрезки на графике Y(t) отмечают моменты наибольшей высоты трёх моделей.</source>
        <translation>Green grid: the steps of the coordinate grid; the vertical segments on the graph Y(t) mark the moments of the greatest height of the three models.</translation>
    </message>
    <message>
        <source>Режим обтекания</source>
        <translation>Flow regime</translation>
    </message>
    <message>
        <source>Рабочий лист сохраняется в файл .pdf, а не «%1».</source>
        <translation>A worksheet is saved to a .pdf file, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Вертикальное движение шара: рабочий лист</source>
        <translation>The vertical motion of a ball: worksheet</translation>
    </message>
    <message>
        <source>Велунта</source>
        <translation>Velunta</translation>
    </message>
</context>
<context>
    <name>velunta::ExperimentMenu</name>
    <message>
        <source>данные опыта</source>
        <translation>measured data</translation>
    </message>
    <message>
        <source>опыт: %1</source>
        <translation>experiment: %1</translation>
    </message>
    <message>
        <source>выравнивание точек опыта</source>
        <translation>alignment of the measured points</translation>
    </message>
    <message>
        <source>убрать данные опыта</source>
        <translation>remove measured data</translation>
    </message>
    <message>
        <source>подбор %1</source>
        <translation>fit %1</translation>
    </message>
</context>
<context>
    <name>velunta::Form1</name>
    <message>
        <source>Велунта.</source>
        <translation>Velunta.</translation>
    </message>
    <message>
        <source>Вы абсолютно уверены?</source>
        <translation>Are you absolutely sure?</translation>
    </message>
    <message>
        <source>На Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Не найден файл %1.<byte value="xd"/>
Искали в папках:<byte value="xd"/>
%2</source>
        <translation>File %1 not found.<byte value="xd"/>
Looked in the folders:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>НЕТ ФАЙЛА</source>
        <translation>FILE NOT FOUND</translation>
    </message>
    <message>
        <source>Не удалось открыть файл %1.<byte value="xd"/>
В системе нет программы для просмотра таких файлов.</source>
        <translation>Could not open the file %1.<byte value="xd"/>
The system has no program to view such files.</translation>
    </message>
    <message>
        <source>НЕТ ПРОГРАММЫ</source>
        <translation>NO PROGRAM</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1.</source>
        <translation>Could not read the file %1.</translation>
    </message>
    <message>
        <source>О ПРОГРАММЕ</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>РЕГИСТРАЦИЯ</source>
        <translation>REGISTRATION</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>В папке с программой должны быть файлы с рисунками формата *.gif.<byte value="xd"/>
Они находятся в архиве с программой.<byte value="xd"/>
Если их нет, то программа всё равно будет работать. <byte value="xd"/>
Но лучше их использовать.</source>
        <translation>The program&apos;s folder should contain the picture files in *.gif format.<byte value="xd"/>
They come in the archive with the program.<byte value="xd"/>
Without them the program will still work. <byte value="xd"/>
But it is better to use them.</translation>
    </message>
    <message>
        <source>ПРЕДУПРЕЖДЕНИЕ</source>
        <translation>WARNING</translation>
    </message>
</context>
<context>
    <name>velunta::GraphPanel</name>
    <message>
        <source>Ближайшая точка опыта</source>
        <translation>Nearest measured point</translation>
    </message>
    <message>
        <source>Точка опыта, ближайшая по времени к показанному моменту</source>
        <translation>The measured point nearest in time to the moment shown</translation>
    </message>
    <message>
        <source>опыт, точка %1: t = %2 с, Y = %3 м</source>
        <translation>measured, point %1: t = %2 s, Y = %3 m</translation>
    </message>
    <message>
        <source>, Vy = %1 м/с (по разностям)</source>
        <translation>, Vy = %1 m/s (from differences)</translation>
    </message>
    <message>
        <source>, Vy = %1 м/с</source>
        <translation>, Vy = %1 m/s</translation>
    </message>
</context>
<context>
    <name>velunta::TimeBar</name>
    <message>
        <source>к началу</source>
        <translation>to the start</translation>
    </message>
    <message>
        <source>К началу</source>
        <translation>To the start</translation>
    </message>
    <message>
        <source>Время к моменту броска</source>
        <translation>Time back to the moment of the throw</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>velunta::UndoHistory</name>
    <message>
        <source>данные опыта</source>
        <translation>measured data</translation>
    </message>
    <message>
        <source>подбор по данным</source>
        <translation>fit to data</translation>
    </message>
</context>
</TS>
