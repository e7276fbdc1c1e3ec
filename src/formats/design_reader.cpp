// SPDX-License-Identifier: Apache-2.0
// The reading half of the design file (design_file.h).
#include "case/case_words.h"
#include "case/number_text.h"
#include "formats/design_file.h"
#include "formats/json_text.h"
#include "formats/traffic_json.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace korvanex {

namespace {

// Why the text is refused; thrown from wherever the reading finds it.
struct Refused {
    std::string why;
};

[[noreturn]] void refuse(std::string why) {
    throw Refused{std::move(why)};
}

std::string textOf(const Json& value, const std::string& path) {
    if (!value.is_string()) {
        refuse(path + " must be a string");
    }
    return value.get<std::string>();
}

double numberOf(const Json& value, const std::string& path) {
    if (!value.is_number() || !std::isfinite(value.get<double>())) {
        refuse(path + " must be a number");
    }
    return value.get<double>();
}

double positiveNumberOf(const Json& value, const std::string& path) {
    const double number = numberOf(value, path);
    if (!(number > 0)) {
        refuse(path + " must be a number greater than 0, not " + doubleText(number));
    }
    return number;
}

bool flagOf(const Json& value, const std::string& path) {
    if (!value.is_boolean()) {
        refuse(path + " must be true or false");
    }
    return value.get<bool>();
}

template <typename T, std::size_t N>
T wordIn(const Json& value, const std::string& path, const Word<T> (&words)[N]) {
    const std::string text = textOf(value, path);
    if (const std::optional<T> chosen = valueOf(words, text)) {
        return *chosen;
    }
    std::string choices;
    for (std::size_t index = 0; index < N; ++index) {
        choices += index == 0 ? "" : index + 1 == N ? " or " : ", ";
        choices += words[index].text;
    }
    refuse(path + " must be " + choices + ", not " + korvanex::quoted(text));
}

// The members of one object of the document, each taken by its key once, so that a key left over
// at the end is unknown. Keys are named by their path from the top ("case.fields").
class Members {
  public:
    Members(const Json& object, std::string path) : object_(object), path_(std::move(path)) {
        if (!object.is_object()) {
            refuse(path_ + " must be an object");
        }
    }

    std::string pathOf(std::string_view key) const {
        return path_.empty() ? std::string(key) : path_ + "." + std::string(key);
    }

    const Json* optional(std::string_view key) {
        taken_.emplace(key);
        const auto member = object_.find(std::string(key));
        return member == object_.end() ? nullptr : &*member;
    }

    const Json& required(std::string_view key) {
        if (const Json* member = optional(key)) {
            return *member;
        }
        refuse(pathOf(key) + " is missing");
    }

    // A required member read as the type of its value.
    std::string text(std::string_view key) { return textOf(required(key), pathOf(key)); }
    double number(std::string_view key) { return numberOf(required(key), pathOf(key)); }
    double positiveNumber(std::string_view key) { return positiveNumberOf(required(key), pathOf(key)); }
    bool flag(std::string_view key) { return flagOf(required(key), pathOf(key)); }
    template <typename T, std::size_t N> T word(std::string_view key, const Word<T> (&words)[N]) {
        return wordIn(required(key), pathOf(key), words);
    }

    void finish() const {
        for (auto member = object_.begin(); member != object_.end(); ++member) {
            if (!taken_.contains(member.key())) {
                refuse("unknown key " + korvanex::quoted(pathOf(member.key())));
            }
        }
    }

  private:
    const Json& object_;
    std::string path_;
    std::set<std::string, std::less<>> taken_;
};

std::vector<std::string> textsOf(const Json& value, const std::string& path) {
    if (!value.is_array()) {
        refuse(path + " must be an array of strings");
    }
    std::vector<std::string> texts;
    for (std::size_t index = 0; index < value.size(); ++index) {
        texts.push_back(textOf(value[index], path + "[" + std::to_string(index) + "]"));
    }
    return texts;
}

void readFields(Members& members, AnalysisCase& record) {
    Members fields(members.required("fields"), members.pathOf("fields"));
    for (std::size_t index = 0; index < FieldCount; ++index) {
        const Field field = static_cast<Field>(index);
        const std::string path = fields.pathOf(fieldName(field));
        record.text(field) = fields.text(fieldName(field));
        // A field text stays on one line, as a case file holds it.
        if (record.text(field).find_first_of("\r\n") != std::string::npos) {
            refuse(path + " must be one line");
        }
    }
    fields.finish();
}

// A caption is the dialogs' or the one a case file gives.
void readCaptions(Members& members, AnalysisCase& record) {
    const Json* given = members.optional("captions");
    if (given == nullptr) {
        return;
    }
    Members captions(*given, members.pathOf("captions"));
    AnalysisCase fromFile = record;
    setFileCaptions(fromFile, record.units);
    for (std::size_t index = 0; index < FieldCount; ++index) {
        const Field field = static_cast<Field>(index);
        if (const Json* caption = captions.optional(fieldName(field))) {
            const std::string path = captions.pathOf(fieldName(field));
            const std::string text = textOf(*caption, path);
            const std::string& dialog = record.caption(field);
            const std::string& file = fromFile.caption(field);
            if (text != dialog && text != file) {
                refuse(path + " must be " + korvanex::quoted(dialog) +
                       (file == dialog ? "" : " or " + korvanex::quoted(file)));
            }
            record.caption(field) = text;
        }
    }
    captions.finish();
}

AnalysisCase readCase(const Json& value) {
    Members members(value, "case");
    AnalysisCase record = AnalysisCase::defaults(members.word("units", UnitCellWords));
    record.location = members.word("location", LocationCellWords);
    record.gear = members.word("gear", GearCellWords);
    record.layer = members.word("layer", LayerCellWords);
    record.tiedShoulder = members.flag("tied_shoulder");
    record.widenedLane = members.flag("widened_lane");
    readFields(members, record);
    readCaptions(members, record);
    members.finish();
    return record;
}

SpectrumCells readSpectrumOf(const Json& value) {
    Members members(value, "spectrum");
    SpectrumCells cells;
    cells.header = textsOf(members.required("header"), members.pathOf("header"));
    std::vector<const CaseColumn*> columns;
    CountColumn count;
    if (std::string error = readSpectrumHeader(cells.header, columns, count); !error.empty()) {
        refuse("spectrum.header: " + error);
    }
    const Json& rows = members.required("rows");
    if (!rows.is_array()) {
        refuse("spectrum.rows must be an array of rows");
    }
    for (std::size_t index = 0; index < rows.size(); ++index) {
        cells.rows.push_back(textsOf(rows[index], "spectrum.rows[" + std::to_string(index) + "]"));
    }
    members.finish();
    return cells;
}

TrafficSettings readTraffic(const Json& value) {
    Members members(value, "traffic");
    TrafficSettings traffic;
    const std::span<const TrafficInput> inputs = trafficInputs();
    for (std::size_t index = 0; index < inputs.size(); ++index) {
        const std::string path = members.pathOf(trafficKeys()[index]);
        const double number = members.number(trafficKeys()[index]);
        if (!inputs[index].accepts(number)) {
            refuse(path + " must be " + std::string(inputs[index].requirement) + ", not " +
                   doubleText(number));
        }
        traffic.*inputs[index].member = number;
    }
    members.finish();
    return traffic;
}

PowerModelConstants readConstants(const Json& value) {
    Members members(value, "fatigue.constants");
    PowerModelConstants constants;
    constants.c1 = members.number("c1");
    constants.c2 = members.number("c2");
    constants.c4 = members.number("c4");
    constants.c5 = members.number("c5");
    members.finish();
    return constants;
}

FatigueSettings readFatigue(const Json& value) {
    Members members(value, "fatigue");
    FatigueSettings settings;
    settings.modulusOfRupture = members.positiveNumber("modulus_of_rupture");
    settings.model = members.word("model", FatigueModelWords);
    settings.constants = readConstants(members.required("constants"));
    settings.stress = members.word("stress", FatigueStressWords);
    settings.targetPercent = members.positiveNumber("target_percent");
    members.finish();
    return settings;
}

std::uint64_t wholeNumberOf(const Json& value, const std::string& path, std::uint64_t least,
                            std::uint64_t most, std::string_view requirement) {
    const bool whole =
        value.is_number_unsigned() || (value.is_number_integer() && value.get<long long>() >= 0);
    if (!whole || value.get<std::uint64_t>() < least || value.get<std::uint64_t>() > most) {
        refuse(path + " must be " + std::string(requirement) + ", not " + value.dump());
    }
    return value.get<std::uint64_t>();
}

double numberWithin(Members& members, std::string_view key, bool (*accepts)(double),
                    std::string_view requirement) {
    const double number = members.number(key);
    if (!accepts(number)) {
        refuse(members.pathOf(key) + " must be " + std::string(requirement) + ", not " + doubleText(number));
    }
    return number;
}

void readScatter(const Json& value, ReliabilitySettings& settings) {
    Members members(value, "reliability.scatter");
    for (const auto& [word, input] : ScatterInputWords) {
        if (const Json* given = members.optional(word)) {
            Members scatter(*given, members.pathOf(word));
            settings.of(input).cov = numberWithin(scatter, "cov", acceptsCov, CovRequirement);
            settings.of(input).distribution = scatter.word("distribution", ScatterDistributionWords);
            scatter.finish();
        }
    }
    members.finish();
}

ReliabilitySettings readReliability(const Json& value) {
    Members members(value, "reliability");
    ReliabilitySettings settings;
    readScatter(members.required("scatter"), settings);
    settings.samples = wholeNumberOf(members.required("samples"), members.pathOf("samples"), 1, MaxSamples,
                                     SamplesRequirement);
    settings.seed = wholeNumberOf(members.required("seed"), members.pathOf("seed"), 0,
                                  std::numeric_limits<std::uint64_t>::max(), SeedRequirement);
    if (members.optional("reliability_percent") != nullptr) {
        settings.reliabilityPercent =
            numberWithin(members, "reliability_percent", acceptsReliabilityPercent, ReliabilityRequirement);
    }
    members.finish();
    return settings;
}

void readFormat(Members& members) {
    const Json& format = members.required("format");
    if (!format.is_string() || format.get<std::string>() != DesignFormat) {
        refuse("format must be " + korvanex::quoted(std::string(DesignFormat)));
    }
    const Json& version = members.required("version");
    if (!version.is_number_integer() || version.get<long long>() != DesignVersion) {
        refuse("version must be " + std::to_string(DesignVersion) + ", not " + version.dump());
    }
}

template <typename T>
std::optional<T> optionalPart(Members& members, std::string_view key, T (*read)(const Json&)) {
    const Json* value = members.optional(key);
    return value == nullptr ? std::nullopt : std::optional<T>(read(*value));
}

Design readDesign(const Json& document) {
    if (!document.is_object()) {
        refuse("a design file is one JSON object");
    }
    Members members(document, "");
    readFormat(members);
    Design design;
    design.record = readCase(members.required("case"));
    design.spectrum = optionalPart(members, "spectrum", readSpectrumOf);
    design.traffic = optionalPart(members, "traffic", readTraffic);
    design.fatigue = optionalPart(members, "fatigue", readFatigue);
    design.reliability = optionalPart(members, "reliability", readReliability);
    members.finish();
    return design;
}

// Refuses a key that an object repeats, which the document would otherwise keep only once.
class RepeatedKeys {
  public:
    bool operator()(int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) {
            keys_.emplace_back();
        } else if (event == Json::parse_event_t::object_end) {
            keys_.pop_back();
        } else if (event == Json::parse_event_t::key &&
                   !keys_.back().insert(parsed.get<std::string>()).second) {
            refuse("the key " + korvanex::quoted(parsed.get<std::string>()) + " is repeated");
        }
        return true;
    }

  private:
    std::vector<std::set<std::string>> keys_;
};

} // namespace

std::string parseDesignFile(std::string_view text, Design& design) {
    try {
        Json document;
        try {
            document = Json::parse(text, RepeatedKeys());
        } catch (const Json::parse_error& error) {
            const std::string_view what = error.what();
            refuse("not JSON: " + std::string(what.substr(what.find("] ") + 2)));
        }
        design = readDesign(document);
    } catch (const Refused& refused) {
        return refused.why;
    }
    return {};
}

} // namespace korvanex
