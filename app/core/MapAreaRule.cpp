#include "app/core/MapAreaRule.h"

MapAreaChoice ChooseMapArea(const MapAreaInputs& in) {
    MapAreaChoice choice;
    const bool wanted = in.gpsSeen && in.online && in.hasGps && in.clipIndexValid && !in.parking;
    const bool normalWindow = in.sizeMode == 0 && !in.fullScreen;
    if (wanted && in.sizeMode == 0) {
        choice.callShowMap = true;
        choice.showArgument = !in.fullScreen;
        return choice;
    }
    choice.hideMap = true;
    if (!wanted && normalWindow) {
        choice.picture = in.mapSeen && !in.online ? MapPicture::Offline : MapPicture::Placeholder;
    }
    return choice;
}
