/*
 * launch_record.cpp: the process-wide launch values, kept apart from the
 * sequence so that the administrators' tools can link the launch-name and
 * profile code alone.
 */
#include "launcher.h"

LaunchRecord Launch;
unsigned WindowsMajorVersion = 0;
