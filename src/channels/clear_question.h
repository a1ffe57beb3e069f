#pragma once

// Asks whether the rows already in the list go before new ones are added; true on Yes.
bool UserWantsListCleared();
