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

    void dangerousAnswers(const std::vector<LookAlike>& found);
    void lookAlikes(const std::vector<LookAlike>& found);
    void firstPlace(const FirstPlace& place);
    void bestCharacters(const std::vector<BestCharacter>& best);
    void notExcluded(const std::vector<NearMiss>& missed);
    void nearMisses(const std::vector<NearMiss>& missed);
    void status(AdviceText text) { add(AdviceSection::Status, AdviceLineKind::Entry, texts_[text]); }
    bool empty() const { return lines_.empty(); }

private:
    void add(AdviceSection section, AdviceLineKind kind, std::string text) {
        lines_.push_back({section, kind, std::move(text), 0, {}, {}});
    }
    // An entry that opens a species, and the details below it, which open the same.
    void speciesEntry(AdviceSection section, const AdvisedSpecies& species, std::string text) {
        add(section, AdviceLineKind::Entry, std::move(text));
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
            const std::string given = d.given.empty() ? texts_[kNotRecorded] : states(d.given);
            detail(withArguments(texts_[kDiffersIn], {d.character, d.chosenState, given}));
        }
    }
    void confusions(const LookAlike& lookAlike, std::size_t from);
    // States one by one: several are each set apart, since a state's text may hold a comma or "or".
    std::string states(const std::vector<std::string>& given) const {
        if (given.size() == 1) return given.front();
        std::vector<std::string> quoted;
        for (const std::string& state : given) quoted.push_back(withArguments(texts_[kQuotedState], {state}));
        return joined(quoted, texts_[kOrWord]);
    }
    const std::string& markWord(Toxicity mark) const;
    std::string speciesText(const AdvisedSpecies& species) const {
        return species.mark == Toxicity::Unmarked
                   ? species.name
                   : withArguments(texts_[kSpeciesWithMark], {species.name, markWord(species.mark)});
    }

    const AdviceTexts& texts_;
    std::vector<AdviceLine>& lines_;
};

const std::string& AdviceWriter::markWord(Toxicity mark) const {
    switch (mark) {
        case Toxicity::Deadly:
            return texts_[kDeadlyWord];
        case Toxicity::Poisonous:
            return texts_[kPoisonousWord];
        case Toxicity::Caution:
        case Toxicity::Unmarked:
            break;
    }
    return texts_[kCautionWord];
}

// The species it is taken for, from the `from`th on, each with the characters that tell them apart.
void AdviceWriter::confusions(const LookAlike& lookAlike, std::size_t from) {
    for (std::size_t k = 0; k < lookAlike.takenFor.size(); ++k) {
        const Confusion& confusion = lookAlike.takenFor[k];
        if (k >= from) detail(withArguments(texts_[kTakenFor], {speciesText(confusion.with)}));
        for (const Distinction& d : confusion.toldApartBy) {
            detail(withArguments(texts_[kToldApartBy], {d.character, speciesText(lookAlike.species), states(d.dangerous),
                                                        speciesText(confusion.with), states(d.other)}));
        }
    }
}

void AdviceWriter::dangerousAnswers(const std::vector<LookAlike>& found) {
    for (const LookAlike& answer : found) {
        speciesEntry(AdviceSection::LookAlikes, answer.species,
                     withArguments(texts_[kIsMarked], {answer.species.name, markWord(answer.species.mark)}));
        if (answer.reason == LookAlikeReason::RestSpecies) detail(texts_[kStillRestSpecies]);
        confusions(answer, 0);
    }
}

void AdviceWriter::lookAlikes(const std::vector<LookAlike>& found) {
    if (found.empty()) return;
    add(AdviceSection::LookAlikes, AdviceLineKind::Heading, texts_[kLookAlikeHeading]);
    for (const LookAlike& lookAlike : found) {
        std::string why;
        switch (lookAlike.reason) {
            case LookAlikeReason::Answer:
            case LookAlikeReason::RestSpecies:
                why = texts_[kStillRestSpecies];
                break;
            case LookAlikeReason::NearMiss:
                why = texts_[kNearlyFits];
                break;
            case LookAlikeReason::NotExcluded:
                why = texts_[kNotExcluded];
                break;
            case LookAlikeReason::CloseBehind:
                why = withArguments(texts_[kPointsBehind], {std::to_string(lookAlike.pointsBehind)});
                break;
            case LookAlikeReason::TakenFor:
                why = withArguments(texts_[kTakenFor], {speciesText(lookAlike.takenFor.front().with)});
                break;
        }
        speciesEntry(AdviceSection::LookAlikes, lookAlike.species,
                     withArguments(texts_[kLookAlikeEntry], {speciesText(lookAlike.species), why}));
        // One close behind that shares every choice is behind by the weights of less typical states.
        if (lookAlike.differences.empty() && lookAlike.reason == LookAlikeReason::CloseBehind)
            detail(texts_[lookAlike.pointsBehind == 0 ? kAgreesWithAll : kAgreesLessTypically]);
        disagreements(lookAlike.differences);
        confusions(lookAlike, lookAlike.reason == LookAlikeReason::TakenFor ? 1 : 0);
    }
}

void AdviceWriter::firstPlace(const FirstPlace& place) {
    add(AdviceSection::FirstPlace, AdviceLineKind::Heading, texts_[kFirstPlaceHeading]);
    if (place.sharedBy > 1) {
        add(AdviceSection::FirstPlace, AdviceLineKind::Entry,
            withArguments(texts_[kSharedFirstPlace], {std::to_string(place.sharedBy)}));
        return;
    }
    if (place.listed == 1) {
        speciesEntry(AdviceSection::FirstPlace, place.first,
                     withArguments(texts_[kOnlyOneListed], {speciesText(place.first)}));
    } else {
        speciesEntry(AdviceSection::FirstPlace, place.first,
                     withArguments(texts_[kLeadsBy], {speciesText(place.first), speciesText(place.second),
                                                      std::to_string(place.firstPercent - place.secondPercent)}));
    }
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
        std::vector<std::string> keeps;
        for (const StateKeeps& state : character.states) {
            keeps.push_back(withArguments(texts_[kStateKeeps], {state.state, std::to_string(state.keeps)}));
        }
        if (character.notRecorded > 0) {
            keeps.push_back(
                withArguments(texts_[kStateKeeps], {texts_[kNotRecorded], std::to_string(character.notRecorded)}));
        }
        detail(joined(keeps, texts_[kListSeparator]));
    }
}

void AdviceWriter::notExcluded(const std::vector<NearMiss>& missed) {
    if (missed.empty()) return;
    add(AdviceSection::NearMisses, AdviceLineKind::Heading, texts_[kNotExcludedHeading]);
    for (const NearMiss& near : missed) {
        std::vector<std::string> characters;
        for (const Disagreement& d : near.disagreements) characters.push_back(d.character);
        speciesEntry(AdviceSection::NearMisses, near.species,
                     withArguments(texts_[kDoesNotRecord],
                                   {speciesText(near.species), joined(characters, texts_[kListSeparator])}));
    }
}

void AdviceWriter::nearMisses(const std::vector<NearMiss>& missed) {
    if (missed.empty()) return;
    add(AdviceSection::NearMisses, AdviceLineKind::Heading, texts_[kNearMissHeading]);
    for (const NearMiss& near : missed) {
        speciesEntry(AdviceSection::NearMisses, near.species, speciesText(near.species));
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
        writer.dangerousAnswers(advice.dangerousAnswers);
        writer.lookAlikes(advice.lookAlikes);
        if (advice.firstPlace) writer.firstPlace(*advice.firstPlace);
        writer.bestCharacters(advice.bestCharacters);
        writer.notExcluded(advice.notExcluded);
        writer.nearMisses(advice.nearMisses);
    }
    if (writer.empty()) writer.status(statusText(advice.status));
    MainWindowView& main = views.main;
    main.advisor1Warns = advice.warns();
    main.advisor1.caption = texts[kAdvisorCaption];
    main.advisor1Warning = !advice.dangerousAnswers.empty() ? texts[kAnswerWarning]
                           : main.advisor1Warns             ? texts[kAdvisorWarning]
                                                            : std::string();
}

}  // namespace sporix
