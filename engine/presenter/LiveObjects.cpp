#include "LiveObjects.h"

#include "CMFActivate.h"
#include "EVRCustomPresenter.h"

long PresenterObjectsAlive() { return LiveObjects<CMFActivate>::Count() + LiveObjects<EVRCustomPresenter>::Count(); }
