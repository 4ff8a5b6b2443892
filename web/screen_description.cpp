// ScreenDescription: the core's description of the screen, in the form the page builds it from.
#include "web/screen_description.h"

#include "game/colours.h"
#include "game/continue_dialog.h"
#include "game/focus_frame.h"
#include "game/main_window.h"
#include "game/message_box_service.h"
#include "game/room.h"
#include "game/twips.h"
#include "web/page_format.h"

#include <algorithm>
#include <vector>

namespace {

// CSS pixels are 1/96 inch at 100 % zoom; the browser scales them for zoom and for the screen.
// The window is laid out at a higher dpi where the page grows it to fit a phone.
constexpr int kCssDpi = kDesignDpi;

std::string Field(const char* name, const std::string& json) {
    return Quoted(name) + ":" + json;
}

std::string RoomJson(const Room& room, int dpi) {
    const PixelRect place = Pixels(room.Place(), dpi);
    std::string neighbours;
    for (const Arrow arrow : {Arrow::Left, Arrow::Right, Arrow::Up, Arrow::Down})
        neighbours +=
            (neighbours.empty() ? "" : ",") + std::to_string(room.Neighbour(arrow).Index());
    std::string frame;
    for (const PixelRect& side : FocusFrame::Sides(place, dpi))
        frame += (frame.empty() ? "" : ",") + Json(side);
    return "{" + Field("index", std::to_string(room.Index())) + "," +
           Field("control", Quoted(MainWindow::CellControl(room.Index()))) + "," +
           Field("name", Quoted(room.AccessibleName())) + "," + Field("place", Json(place)) + "," +
           Field("neighbours", "[" + neighbours + "]") + "," +
           Field("next", std::to_string(room.NextInTabOrder(false).Index())) + "," +
           Field("previous", std::to_string(room.NextInTabOrder(true).Index())) + "," +
           Field("frame", "[" + frame + "]") + "}";
}

std::string RoomsJson(int dpi) {
    std::vector<Room> rooms;
    for (int index = 0; index < Room::kCount; ++index)
        rooms.push_back(Room::AtIndex(index));
    std::sort(rooms.begin(), rooms.end(),
              [](const Room& a, const Room& b) { return a.TabPosition() < b.TabPosition(); });
    std::string json;
    for (const Room& room : rooms)
        json += (json.empty() ? "" : ",") + RoomJson(room, dpi);
    return "[" + json + "]";
}

std::string ControlJson(const ContinueDialog::Control& control) {
    return "{" + Field("control", Quoted(control.name)) + "," +
           Field("caption", Quoted(control.caption)) + "}";
}

} // namespace

std::string ScreenDescription(int dpi) {
    const PixelSize client = Pixels(MainWindow::kClientSize, dpi);
    return "{" + Field("caption", Quoted(MainWindow::kCaption)) + "," +
           Field("dpi", std::to_string(dpi)) + "," +
           Field("scale", std::to_string(static_cast<double>(dpi) / kCssDpi)) + "," +
           Field("client",
                 "[" + std::to_string(client.width) + "," + std::to_string(client.height) + "]") +
           "," + Field("building", Quoted(MainWindow::kBuildingName)) + "," +
           Field("background", Quoted(CssColour(Colours::kBackground))) + "," +
           Field("facade", "{" + Field("control", Quoted(MainWindow::kFacadeControl)) + "," +
                               Field("name", Quoted(MainWindow::kFacadeName)) + "," +
                               Field("place", Json(Pixels(MainWindow::kFacade, dpi))) + "," +
                               Field("colour", Quoted(CssColour(Colours::kFacade))) + "}") +
           "," + Field("cellColour", Quoted(CssColour(Colours::kCellIdle))) + "," +
           Field("frameColour", Quoted(CssColour(Colours::kFocusFrame))) + "," +
           Field("rooms", RoomsJson(dpi)) + "," +
           Field("ok", Quoted(MessageBoxService::kOkCaption)) + "," +
           Field("dialog", "{" + Field("caption", Quoted(ContinueDialog::kCaption)) + "," +
                               Field("question", ControlJson(ContinueDialog::kQuestion)) + "," +
                               Field("yes", ControlJson(ContinueDialog::kYes)) + "," +
                               Field("no", ControlJson(ContinueDialog::kNo)) + "}") +
           "," +
           Field("ended", "{" + Field("text", Quoted(MainWindow::kEndedText)) + "," +
                              Field("restart", Quoted(MainWindow::kRestartCaption)) + "}") +
           "}";
}

std::string ContinueDialogLayout(int questionWidth, int questionHeight, int buttonWidth,
                                 int buttonHeight, int dpi) {
    using namespace ContinueDialog;
    const double growth = Growth({questionWidth, questionHeight}, {buttonWidth, buttonHeight}, dpi);
    const PixelSize client = ClientSize(dpi, growth);
    return "{" +
           Field("client",
                 "[" + std::to_string(client.width) + "," + std::to_string(client.height) + "]") +
           "," + Field("question", Json(QuestionPlace(questionWidth, dpi, growth))) + "," +
           Field("yes", Json(Place(kYes, dpi, growth))) + "," +
           Field("no", Json(Place(kNo, dpi, growth))) + "}";
}
