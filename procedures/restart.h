// Restart: restarts a connected phone after a short progress run.
#pragma once

void run_restart();
