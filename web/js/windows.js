// The twelve windows by name (Form1 ... Form13), each the object that its
// module made: its handlers and the preparations that openers call.
export const windows = {};
