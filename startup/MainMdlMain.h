#pragma once
// The program's start procedure.
namespace MainMdl {
// Shows the login window modally and nothing else; returns when that run is over.
void Main();
}  // namespace MainMdl
