#pragma once

// What the program does at start: creates and shows the entry window.
void Programmstart();
