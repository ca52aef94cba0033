	0	Kestrametrix
