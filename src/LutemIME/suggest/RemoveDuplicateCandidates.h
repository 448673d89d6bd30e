#pragma once

#include "suggest/CCandidateListItem.h"

// Keeps the first item of each distinct text (ordinal UTF-16 comparison) and
// drops the later ones; the order of what stays is kept. Texts the list owns
// stay alive until it is emptied, so a dropped item frees nothing.
void RemoveDuplicateCandidates(LutemIMEArray<CCandidateListItem>* list);
