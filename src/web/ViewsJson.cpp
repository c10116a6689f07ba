#include "ViewsJson.h"

#include "Cp1252.h"
#include "JsonWriter.h"
#include "WebPictureLoader.h"

namespace sporix {

namespace {

void text(JsonWriter& json, const char* name, const std::string& bytes) { json.key(name).string(cp1252ToUtf8(bytes)); }

template <typename Lines>
void lines(JsonWriter& json, const Lines& all) {
    json.beginArray();
    for (const auto& line : all) json.string(cp1252ToUtf8(line));
    json.endArray();
}

void lines(JsonWriter& json, const char* name, const std::vector<std::string>& all) {
    json.key(name);
    lines(json, all);
}

void flag(JsonWriter& json, const char* name, bool value) { json.key(name).boolean(value); }
void number(JsonWriter& json, const char* name, int value) { json.key(name).number(value); }

void picture(JsonWriter& json, const char* name, const PictureHandle& shown) {
    json.key(name);
    if (!shown) {
        json.null();
        return;
    }
    json.beginObject();
    if (const auto* onPage = dynamic_cast<const WebPicture*>(shown.get())) json.key("file").string(onPage->file());
    number(json, "width", shown->width());
    number(json, "height", shown->height());
    json.endObject();
}

void menuItem(JsonWriter& json, const char* name, const MenuItemView& item) {
    json.key(name).beginObject();
    text(json, "caption", item.caption);
    flag(json, "enabled", item.enabled);
    flag(json, "checked", item.checked);
    json.endObject();
}

void row(JsonWriter& json, const CharacterRowView& shown) {
    json.beginObject();
    text(json, "labelCaption", shown.labelCaption);
    flag(json, "labelEnabled", shown.labelEnabled);
    text(json, "comboText", shown.comboText);
    lines(json, "comboItems", shown.comboItems);
    flag(json, "comboSilver", shown.comboSilver);
    flag(json, "buttonEnabled", shown.buttonEnabled);
    json.endObject();
}

void mainWindow(JsonWriter& json, const MainWindowView& main) {
    json.key("main").beginObject();
    text(json, "caption", main.caption);
    json.key("rows").beginArray();
    for (const auto& shown : main.rows) row(json, shown);
    json.endArray();
    number(json, "characterFills", main.characterFills);
    text(json, "label43Caption", main.label43Caption);
    flag(json, "label43Enabled", main.label43Enabled);
    flag(json, "label44Enabled", main.label44Enabled);
    text(json, "speedButton1Caption", main.speedButton1Caption);
    flag(json, "speedButton1Enabled", main.speedButton1Enabled);
    flag(json, "image1Visible", main.image1Visible);
    picture(json, "image1", main.image1);
    lines(json, "listBox1", main.listBox1);
    flag(json, "listBox1Visible", main.listBox1Visible);
    lines(json, "listBox2", main.listBox2);
    flag(json, "listBox2Visible", main.listBox2Visible);
    flag(json, "checkListVisible", main.checkListVisible);
    number(json, "checkListItems", main.checkListItems);
    number(json, "checkListFills", main.checkListFills);
    text(json, "genera1Caption", main.genera1Caption);
    json.key("genusItems");
    lines(json, main.genusItems);
    text(json, "info1Caption", main.info1Caption);
    text(json, "howtostart1Caption", main.howtostart1Caption);
    text(json, "aboutProgram1Caption", main.aboutProgram1Caption);
    text(json, "clearAll1Caption", main.clearAll1Caption);
    text(json, "kindofsearching1Caption", main.kindofsearching1Caption);
    menuItem(json, "usingAllSpecies", main.usingAllSpecies);
    menuItem(json, "usingRestSpecies", main.usingRestSpecies);
    text(json, "languageCaption", main.languageCaption);
    text(json, "n31Caption", main.n31Caption);
    menuItem(json, "stepback1", main.stepback1);
    menuItem(json, "comparespecies1", main.comparespecies1);
    menuItem(json, "advisor1", main.advisor1);
    flag(json, "advisor1Warns", main.advisor1Warns);
    text(json, "advisor1Warning", main.advisor1Warning);
    number(json, "dropDownRow", main.dropDownRow);
    number(json, "dropDownOpenings", main.dropDownOpenings);
    json.endObject();
}

const char* sectionName(AdviceSection section) {
    switch (section) {
        case AdviceSection::Status:
            return "status";
        case AdviceSection::LookAlikes:
            return "lookAlikes";
        case AdviceSection::BestCharacters:
            return "bestCharacters";
        case AdviceSection::NearMisses:
            return "nearMisses";
        case AdviceSection::FirstPlace:
            return "firstPlace";
    }
    return "";
}

const char* kindName(AdviceLineKind kind) {
    switch (kind) {
        case AdviceLineKind::Heading:
            return "heading";
        case AdviceLineKind::Entry:
            return "entry";
        case AdviceLineKind::Detail:
            return "detail";
    }
    return "";
}

// The advisor's lines: what each says, and whether a click on it opens a row's list or a
// species (the page asks the engine, by the line's number, which).
void adviceLines(JsonWriter& json, const std::vector<AdviceLine>& lines) {
    json.key("lines").beginArray();
    for (const AdviceLine& line : lines) {
        json.beginObject();
        json.key("section").string(sectionName(line.section));
        json.key("kind").string(kindName(line.kind));
        text(json, "text", line.text);
        number(json, "row", line.row);
        flag(json, "opensSpecies", !line.speciesCode.empty());
        json.endObject();
    }
    json.endArray();
}

// A window's object: whether and how often it was shown, its caption, then `contents`.
template <typename Contents>
void window(JsonWriter& json, const char* name, const ShownWindow& shown, const std::string& caption,
            Contents contents) {
    json.key(name).beginObject();
    flag(json, "visible", shown.visible);
    number(json, "showCount", shown.showCount);
    text(json, "caption", caption);
    contents();
    json.endObject();
}

void otherWindows(JsonWriter& json, const WindowViews& views) {
    const HelpWindowView& help = views.help;
    window(json, "help", help, help.caption, [&] { lines(json, "memoLines", help.memoLines); });
    const DescriptionWindowView& description = views.description;
    window(json, "description", description, description.caption, [&] {
        lines(json, "memoLines", description.memoLines);
        flag(json, "memoSilver", description.memoSilver);
        picture(json, "image1", description.image1);
        text(json, "slideCaption", description.slideCaption);
        flag(json, "slideEnabled", description.slideEnabled);
        text(json, "closeCaption", description.closeCaption);
    });
    window(json, "slide", views.slide, views.slide.caption, [&] { picture(json, "image1", views.slide.image1); });
    const ComparisonWindowView& comparison = views.comparison;
    window(json, "comparison", comparison, comparison.caption, [&] {
        json.key("labels");
        lines(json, comparison.labels);
        json.key("memos").beginArray();
        for (const auto& memo : comparison.memos) lines(json, memo);
        json.endArray();
    });
    const AdvisorWindowView& advisor = views.advisor;
    window(json, "advisor", advisor, advisor.caption, [&] { adviceLines(json, advisor.lines); });
}

void pageFacts(JsonWriter& json, const PageFacts& facts) {
    json.key("page").beginObject();
    number(json, "languageIndex", facts.languageIndex);
    lines(json, "genusFolders", facts.genusFolders);
    text(json, "descriptionSpecies", facts.descriptionSpecies);
    json.endObject();
}

}  // namespace

std::string updateJson(const std::vector<ShownMessage>& messages, const WindowViews& views, const PageFacts& facts) {
    JsonWriter json;
    json.beginObject().key("messages").beginArray();
    for (const auto& message : messages) {
        json.beginObject();
        flag(json, "error", message.error);
        text(json, "text", message.text);
        json.endObject();
    }
    json.endArray();
    json.key("views").beginObject();
    mainWindow(json, views.main);
    otherWindows(json, views);
    json.endObject();
    pageFacts(json, facts);
    json.endObject();
    return json.text();
}

}  // namespace sporix
