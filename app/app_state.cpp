// The global application record.
#include "app/app_state.h"

AppState g_app;
