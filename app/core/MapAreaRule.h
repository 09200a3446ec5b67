#pragma once

// What the main window's map area shows: the map window when a clip with
// GPS data is shown and the map is online, else a picture in its place (in
// the small layout only): the offline image once the map has been seen and
// the monitor reports offline, otherwise the "no map" placeholder.
struct MapAreaInputs {
    bool gpsSeen = false;    // a fix was shown since the clip opened
    bool online = false;     // the connectivity test's answer
    bool hasGps = false;     // the shown clip has GPS records
    bool clipIndexValid = false;
    bool parking = false;    // parking recordings never show the map
    int sizeMode = 0;
    bool fullScreen = false;
    bool mapSeen = false;    // the map page has been ready once
};

enum class MapPicture { None, Placeholder, Offline };

struct MapAreaChoice {
    bool callShowMap = false;  // the bridge decides, told whether the window shows
    bool showArgument = false;
    bool hideMap = false;      // a visible map window goes
    MapPicture picture = MapPicture::None;
};

MapAreaChoice ChooseMapArea(const MapAreaInputs& in);
