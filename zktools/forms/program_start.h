// The tool's start: the application, its windows, the message loop. The program's main is
// no more than this, so that tests can start the tool as a user does.
#ifndef ZKTOOLS_FORMS_PROGRAM_START_H
#define ZKTOOLS_FORMS_PROGRAM_START_H

// The program's exit code.
int RunTool(int argc, char** argv);

#endif
