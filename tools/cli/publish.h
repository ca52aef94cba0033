#pragma once

// kestrametrix-cli publish RACE --out DIR
//   Writes the stored results of a race file as static pages (one stylesheet,
//   one page per category and per stored heat, the rankings stored in it)
//   into DIR, ready to upload to a club's site.
//   Exit status: 0 written, 1 not written, 2 bad usage or unreadable race.
int runPublish(int argc, char** argv);
