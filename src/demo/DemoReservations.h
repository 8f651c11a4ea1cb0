#pragma once

class Database;

// The demo office's reservations, one or more in each state: booked for
// today and the days ahead (one asking only for a type of car), one whose
// customer is late, cancelled, no-show, and one picked up into an open contract.
namespace DemoReservations {
void insert(Database& db);
}
