#include "tools/tavroctl/profile_json.h"

#include "profile/text_codec.h"

namespace tavroctl {
namespace {

using nlohmann::ordered_json;

// Names are UTF-16 as typed; anything that is not valid UTF-16 shows as U+FFFD.
std::string Text(const std::u16string& text) {
    return tavro::Utf16ToUtf8(text);
}

template <typename Event>
ordered_json EventToJson(const Event& event) {
    return ordered_json{{"kind", event.kind},
                        {"key", event.key},
                        {"direction", event.direction},
                        {"delay", event.delay}};
}

template <typename Events>
ordered_json EventsToJson(const Events& events) {
    ordered_json list = ordered_json::array();
    for (const auto& event : events) {
        list.push_back(EventToJson(event));
    }
    return list;
}

}  // namespace

ordered_json ProfileToJson(const tavro::ProfileRecord& r) {
    ordered_json buttons = ordered_json::array();
    for (const tavro::ButtonAssignment& b : r.buttons) {
        buttons.push_back(
            {{"button", b.button}, {"function", b.function}, {"parameter", b.parameter}});
    }
    ordered_json macros = ordered_json::array();
    for (const tavro::ButtonMacro& m : r.buttonMacros) {
        macros.push_back(
            {{"macroId", m.macroId}, {"name", Text(m.name)}, {"events", EventsToJson(m.events)}});
    }
    return ordered_json{
        {"enabled", r.enabled},
        {"name", Text(r.name)},
        {"tagWord", r.tagWord},
        {"reportInterval", r.reportInterval},
        {"doubleClickValue", r.doubleClickValue},
        {"wheelLines", r.wheelLines},
        {"wheelByLines", r.wheelByLines},
        {"wheelByPage", r.wheelByPage},
        {"accelerationOn", r.accelerationOn},
        {"xySeparate", r.xySeparate},
        {"definedMode", r.definedMode},
        {"sensorConstant", r.sensorConstant},
        {"dpiX1", r.dpiX1},
        {"dpiY1", r.dpiY1},
        {"dpiX2", r.dpiX2},
        {"dpiY2", r.dpiY2},
        {"dpiX3", r.dpiX3},
        {"dpiY3", r.dpiY3},
        {"pointerSpeed", r.pointerSpeed},
        {"definedValue", r.definedValue},
        {"angleSnap", r.angleSnap},
        {"liftDistance", r.liftDistance},
        {"surfaceLevel", r.surfaceLevel},
        {"zoneColor1", r.zoneColor1},
        {"zoneColor2", r.zoneColor2},
        {"zoneColor3", r.zoneColor3},
        {"zoneColor4", r.zoneColor4},
        {"lightingMode", r.lightingMode},
        {"lightingParam", r.lightingParam},
        {"buttons", buttons},
        {"buttonMacros", macros},
    };
}

ordered_json LibraryToJson(std::span<const tavro::CMacro> library) {
    ordered_json list = ordered_json::array();
    for (const tavro::CMacro& macro : library) {
        list.push_back(
            {{"id", macro.id}, {"name", Text(macro.name)}, {"events", EventsToJson(macro.events)}});
    }
    return list;
}

}  // namespace tavroctl
