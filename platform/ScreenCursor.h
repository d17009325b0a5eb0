#pragma once

namespace quorlane {

// The application-wide cursor.
void SetHourglassCursor();
void SetDefaultCursor(); // the default cursor, whatever was in force before
bool IsHourglassCursor();

} // namespace quorlane
