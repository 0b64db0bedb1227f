<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Presets</name>
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
</context>
</TS>
