#pragma once
// Library start and stop, in the order the DLL entry function runs them.

void libraryAttach(void* instance);
void libraryDetach(void* instance);
