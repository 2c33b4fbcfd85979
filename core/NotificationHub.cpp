#include "core/NotificationHub.h"

NotificationHub& NotificationHub::instance()
{
    static NotificationHub hub;
    return hub;
}
