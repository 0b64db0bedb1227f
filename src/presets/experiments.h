#pragma once
// Published measurements of real falls, each a set the menu "Опыт" offers: the
// inputs of the fall (in SI, as the fields take them), the measured points and
// where they were published. Read from data/experiments.json, compiled in as
// ":/data/experiments.json". Needs Qt Core only.

#include <QByteArray>
#include <QString>
#include <string_view>
#include <vector>

#include "model/measured_data.h"
#include "model/model.h"

namespace velunta {

struct ExperimentSet {
    QString id;           // "newton1710-1": what --data= names it by
    QString name;         // the menu's text
    InputValues inputs;   // h, V0y, d, massa, r0, eta, c
    MeasuredData data;    // the measured points (as measured: time from release, height above the ground)
    QString source;       // the publication, and what was assumed where it records nothing
};

// Parses the data file's text; a set without an id, inputs or points is an error
// (message in *error, empty list returned).
std::vector<ExperimentSet> parseExperimentSets(const QByteArray& json, QString* error = nullptr);
// The compiled-in data file, parsed once.
const std::vector<ExperimentSet>& experimentSets();
// The built-in set of that id, or null.
const ExperimentSet* findExperimentSet(std::string_view id);

}  // namespace velunta
