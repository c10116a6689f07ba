#include "AdviceView.h"

#include <cmath>

#include "LanguageTexts.h"

namespace sporix {

namespace {

std::string joined(const std::vector<std::string>& items, const std::string& separator) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : separator) + item;
    return text;
}

// One decimal, with the language's decimal sign.
std::string oneDecimal(double value, const std::string& decimalSign) {
    const long tenths = std::lround(value * 10);
    return std::to_string(tenths / 10) + decimalSign + std::to_string(tenths % 10);
}

class AdviceWriter {
public:
    AdviceWriter(const AdviceTexts& texts, std::vector<AdviceLine>& lines) : texts_(texts), lines_(lines) {}

    void lookAlikes(const std::vector<LookAlike>& found);
    void firstPlace(const FirstPlace& place);
    void bestCharacters(const std::vector<BestCharacter>& best);
    void nearMisses(const std::vector<NearMiss>& missed);
    void status(AdviceText text) { add(AdviceSection::Status, AdviceLineKind::Entry, texts_[text]); }
    bool empty() const { return lines_.empty(); }

private:
    void add(AdviceSection section, AdviceLineKind kind, std::string text) {
        lines_.push_back({section, kind, std::move(text), 0, {}, {}});
    }
    // An entry that opens a species, and the details below it, which open the same.
    void speciesEntry(AdviceSection section, const AdvisedSpecies& species) {
        add(section, AdviceLineKind::Entry, speciesText(species));
        lines_.back().speciesCode = species.code;
        lines_.back().speciesName = species.name;
    }
    void detail(std::string text) {
        AdviceLine line = lines_.back();
        line.kind = AdviceLineKind::Detail;
        line.text = std::move(text);
        lines_.push_back(std::move(line));
    }
    void disagreements(const std::vector<Disagreement>& found) {
        for (const Disagreement& d : found) {
            const std::string given = d.given.empty() ? texts_[kNotRecorded] : joined(d.given, texts_[kOrWord]);
            detail(withArguments(texts_[kDiffersIn], {d.character, d.chosenState, given}));
        }
    }
    std::string speciesText(const AdvisedSpecies& species) const;

    const AdviceTexts& texts_;
    std::vector<AdviceLine>& lines_;
};

std::string AdviceWriter::speciesText(const AdvisedSpecies& species) const {
    switch (species.mark) {
        case Toxicity::Deadly:
            return withArguments(texts_[kSpeciesWithMark], {species.name, texts_[kDeadlyWord]});
        case Toxicity::Poisonous:
            return withArguments(texts_[kSpeciesWithMark], {species.name, texts_[kPoisonousWord]});
        case Toxicity::Caution:
            return withArguments(texts_[kSpeciesWithMark], {species.name, texts_[kCautionWord]});
        case Toxicity::Unmarked:
            break;
    }
    return species.name;
}

void AdviceWriter::lookAlikes(const std::vector<LookAlike>& found) {
    if (found.empty()) return;
    add(AdviceSection::LookAlikes, AdviceLineKind::Heading, texts_[kLookAlikeHeading]);
    for (const LookAlike& lookAlike : found) {
        std::string why;
        switch (lookAlike.reason) {
            case LookAlikeReason::RestSpecies:
                why = texts_[kStillRestSpecies];
                break;
            case LookAlikeReason::NearMiss:
                why = texts_[kNearlyFits];
                break;
            case LookAlikeReason::CloseBehind:
                why = withArguments(texts_[kPointsBehind], {std::to_string(lookAlike.pointsBehind)});
                break;
        }
        speciesEntry(AdviceSection::LookAlikes, lookAlike.species);
        lines_.back().text = withArguments(texts_[kLookAlikeEntry], {lines_.back().text, why});
        // A rest species agrees with every choice by its nature; one close behind may too.
        if (lookAlike.differences.empty() && lookAlike.reason == LookAlikeReason::CloseBehind)
            detail(texts_[kAgreesWithAll]);
        disagreements(lookAlike.differences);
    }
}

void AdviceWriter::firstPlace(const FirstPlace& place) {
    add(AdviceSection::FirstPlace, AdviceLineKind::Heading, texts_[kFirstPlaceHeading]);
    speciesEntry(AdviceSection::FirstPlace, place.first);
    lines_.back().text = withArguments(texts_[kLeadsBy], {place.first.name, place.second.name,
                                                          std::to_string(place.firstPercent - place.secondPercent)});
    if (!place.decided) detail(withArguments(texts_[kNotDecided], {std::to_string(kUndecidedWithin)}));
    for (const ChosenState& chosen : place.restsOn)
        detail(withArguments(texts_[kRestsOn], {chosen.character, chosen.state}));
    if (place.restsOn.empty()) detail(texts_[kRestsOnNoSingleChoice]);
}

void AdviceWriter::bestCharacters(const std::vector<BestCharacter>& best) {
    if (best.empty()) return;
    add(AdviceSection::BestCharacters, AdviceLineKind::Heading, texts_[kBestHeading]);
    for (const BestCharacter& character : best) {
        add(AdviceSection::BestCharacters, AdviceLineKind::Entry,
            withArguments(texts_[kExpectedLeft],
                          {character.character, oneDecimal(character.expectedLeft, texts_[kDecimalSeparator])}));
        lines_.back().row = character.row;
        std::vector<std::string> states;
        for (const StateKeeps& state : character.states) {
            states.push_back(withArguments(texts_[kStateKeeps], {state.state, std::to_string(state.keeps)}));
        }
        if (character.notRecorded > 0) {
            states.push_back(
                withArguments(texts_[kStateKeeps], {texts_[kNotRecorded], std::to_string(character.notRecorded)}));
        }
        detail(joined(states, texts_[kListSeparator]));
    }
}

void AdviceWriter::nearMisses(const std::vector<NearMiss>& missed) {
    if (missed.empty()) return;
    add(AdviceSection::NearMisses, AdviceLineKind::Heading, texts_[kNearMissHeading]);
    for (const NearMiss& near : missed) {
        speciesEntry(AdviceSection::NearMisses, near.species);
        disagreements(near.disagreements);
    }
}

AdviceText statusText(AdviceStatus status) {
    switch (status) {
        case AdviceStatus::NoGenus:
            return kNoGenus;
        case AdviceStatus::SpeciesFileUnreadable:
            return kUnreadableSpecies;
        case AdviceStatus::EmptyGenus:
            return kEmptyGenus;
        case AdviceStatus::OneSpecies:
            return kOneSpecies;
        case AdviceStatus::Ready:
            break;
    }
    return kNothingToAdvise;
}

}  // namespace

void showAdvice(const Advice& advice, const AdviceTexts& texts, WindowViews& views) {
    AdvisorWindowView& window = views.advisor;
    window.caption = " " + texts[kAdvisorCaption];
    window.lines.clear();
    AdviceWriter writer(texts, window.lines);
    if (advice.status == AdviceStatus::Ready) {
        writer.lookAlikes(advice.lookAlikes);
        if (advice.firstPlace) writer.firstPlace(*advice.firstPlace);
        writer.bestCharacters(advice.bestCharacters);
        writer.nearMisses(advice.nearMisses);
    }
    if (writer.empty()) writer.status(statusText(advice.status));
    MainWindowView& main = views.main;
    main.advisor1Warns = !advice.lookAlikes.empty();
    main.advisor1.caption = texts[kAdvisorCaption];
    main.advisor1Warning = main.advisor1Warns ? texts[kAdvisorWarning] : std::string();
}

}  // namespace sporix
