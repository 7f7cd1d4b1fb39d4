#pragma once

class CMainFrame;

// The "Favorites" window (dialog 1104): the entries, Add current, Delete,
// Up, Down, Open. Modal.
void ShowFavoritesDialog(CMainFrame& frame);
