wipe
puts "System"
model basic -ndm 3 -ndf 6
puts "restraint"
node 1 0 0 0
node 2 4000 0 0
node 3 8000 0 0
node 4 12000 0 0
node 5 16000 0 0
node 6 20000 0 0
node 7 24000 0 0
node 8 28000 0 0
node 9 0 4000 0
node 10 4000 4000 0
node 11 8000 4000 0
node 12 12000 4000 0
node 13 16000 4000 0
node 14 20000 4000 0
node 15 24000 4000 0
node 16 28000 4000 0
node 17 0 8000 0
node 18 4000 8000 0
node 19 8000 8000 0
node 20 12000 8000 0
node 21 16000 8000 0
node 22 20000 8000 0
node 23 24000 8000 0
node 24 28000 8000 0
node 25 0 12000 0
node 26 4000 12000 0
node 27 8000 12000 0
node 28 12000 12000 0
node 29 16000 12000 0
node 30 20000 12000 0
node 31 24000 12000 0
node 32 28000 12000 0
node 33 0 16000 0
node 34 4000 16000 0
node 35 8000 16000 0
node 36 12000 16000 0
node 37 16000 16000 0
node 38 20000 16000 0
node 39 24000 16000 0
node 40 28000 16000 0
node 41 0 20000 0
node 42 4000 20000 0
node 43 8000 20000 0
node 44 12000 20000 0
node 45 16000 20000 0
node 46 20000 20000 0
node 47 24000 20000 0
node 48 28000 20000 0
node 49 0 24000 0
node 50 4000 24000 0
node 51 8000 24000 0
node 52 12000 24000 0
node 53 16000 24000 0
node 54 20000 24000 0
node 55 24000 24000 0
node 56 28000 24000 0
node 57 0 28000 0
node 58 4000 28000 0
node 59 8000 28000 0
node 60 12000 28000 0
node 61 16000 28000 0
node 62 20000 28000 0
node 63 24000 28000 0
node 64 28000 28000 0
node 65 0 0 3500
node 66 4000 0 3500
node 67 8000 0 3500
node 68 12000 0 3500
node 69 16000 0 3500
node 70 20000 0 3500
node 71 24000 0 3500
node 72 28000 0 3500
node 73 0 4000 3500
node 74 4000 4000 3500
node 75 8000 4000 3500
node 76 12000 4000 3500
node 77 16000 4000 3500
node 78 20000 4000 3500
node 79 24000 4000 3500
node 80 28000 4000 3500
node 81 0 8000 3500
node 82 4000 8000 3500
node 83 8000 8000 3500
node 84 12000 8000 3500
node 85 16000 8000 3500
node 86 20000 8000 3500
node 87 24000 8000 3500
node 88 28000 8000 3500
node 89 0 12000 3500
node 90 4000 12000 3500
node 91 8000 12000 3500
node 92 12000 12000 3500
node 93 16000 12000 3500
node 94 20000 12000 3500
node 95 24000 12000 3500
node 96 28000 12000 3500
node 97 0 16000 3500
node 98 4000 16000 3500
node 99 8000 16000 3500
node 100 12000 16000 3500
node 101 16000 16000 3500
node 102 20000 16000 3500
node 103 24000 16000 3500
node 104 28000 16000 3500
node 105 0 20000 3500
node 106 4000 20000 3500
node 107 8000 20000 3500
node 108 12000 20000 3500
node 109 16000 20000 3500
node 110 20000 20000 3500
node 111 24000 20000 3500
node 112 28000 20000 3500
node 113 0 24000 3500
node 114 4000 24000 3500
node 115 8000 24000 3500
node 116 12000 24000 3500
node 117 16000 24000 3500
node 118 20000 24000 3500
node 119 24000 24000 3500
node 120 28000 24000 3500
node 121 0 28000 3500
node 122 4000 28000 3500
node 123 8000 28000 3500
node 124 12000 28000 3500
node 125 16000 28000 3500
node 126 20000 28000 3500
node 127 24000 28000 3500
node 128 28000 28000 3500
node 129 0 0 7000
node 130 4000 0 7000
node 131 8000 0 7000
node 132 12000 0 7000
node 133 16000 0 7000
node 134 20000 0 7000
node 135 24000 0 7000
node 136 28000 0 7000
node 137 0 4000 7000
node 138 4000 4000 7000
node 139 8000 4000 7000
node 140 12000 4000 7000
node 141 16000 4000 7000
node 142 20000 4000 7000
node 143 24000 4000 7000
node 144 28000 4000 7000
node 145 0 8000 7000
node 146 4000 8000 7000
node 147 8000 8000 7000
node 148 12000 8000 7000
node 149 16000 8000 7000
node 150 20000 8000 7000
node 151 24000 8000 7000
node 152 28000 8000 7000
node 153 0 12000 7000
node 154 4000 12000 7000
node 155 8000 12000 7000
node 156 12000 12000 7000
node 157 16000 12000 7000
node 158 20000 12000 7000
node 159 24000 12000 7000
node 160 28000 12000 7000
node 161 0 16000 7000
node 162 4000 16000 7000
node 163 8000 16000 7000
node 164 12000 16000 7000
node 165 16000 16000 7000
node 166 20000 16000 7000
node 167 24000 16000 7000
node 168 28000 16000 7000
node 169 0 20000 7000
node 170 4000 20000 7000
node 171 8000 20000 7000
node 172 12000 20000 7000
node 173 16000 20000 7000
node 174 20000 20000 7000
node 175 24000 20000 7000
node 176 28000 20000 7000
node 177 0 24000 7000
node 178 4000 24000 7000
node 179 8000 24000 7000
node 180 12000 24000 7000
node 181 16000 24000 7000
node 182 20000 24000 7000
node 183 24000 24000 7000
node 184 28000 24000 7000
node 185 0 28000 7000
node 186 4000 28000 7000
node 187 8000 28000 7000
node 188 12000 28000 7000
node 189 16000 28000 7000
node 190 20000 28000 7000
node 191 24000 28000 7000
node 192 28000 28000 7000
puts "rigidDiaphragm"
puts "mass"
mass 1 0.8505 0.8505 0.8505 0 0 0
mass 2 0.8505 0.8505 0.8505 0 0 0
mass 3 0.8505 0.8505 0.8505 0 0 0
mass 4 0.8505 0.8505 0.8505 0 0 0
mass 5 0.8505 0.8505 0.8505 0 0 0
mass 6 0.8505 0.8505 0.8505 0 0 0
mass 7 0.8505 0.8505 0.8505 0 0 0
mass 8 0.8505 0.8505 0.8505 0 0 0
mass 9 0.8505 0.8505 0.8505 0 0 0
mass 10 0.8505 0.8505 0.8505 0 0 0
mass 11 0.8505 0.8505 0.8505 0 0 0
mass 12 0.8505 0.8505 0.8505 0 0 0
mass 13 0.8505 0.8505 0.8505 0 0 0
mass 14 0.8505 0.8505 0.8505 0 0 0
mass 15 0.8505 0.8505 0.8505 0 0 0
mass 16 0.8505 0.8505 0.8505 0 0 0
mass 17 0.8505 0.8505 0.8505 0 0 0
mass 18 0.8505 0.8505 0.8505 0 0 0
mass 19 0.8505 0.8505 0.8505 0 0 0
mass 20 0.8505 0.8505 0.8505 0 0 0
mass 21 0.8505 0.8505 0.8505 0 0 0
mass 22 0.8505 0.8505 0.8505 0 0 0
mass 23 0.8505 0.8505 0.8505 0 0 0
mass 24 0.8505 0.8505 0.8505 0 0 0
mass 25 0.8505 0.8505 0.8505 0 0 0
mass 26 0.8505 0.8505 0.8505 0 0 0
mass 27 0.8505 0.8505 0.8505 0 0 0
mass 28 0.8505 0.8505 0.8505 0 0 0
mass 29 0.8505 0.8505 0.8505 0 0 0
mass 30 0.8505 0.8505 0.8505 0 0 0
mass 31 0.8505 0.8505 0.8505 0 0 0
mass 32 0.8505 0.8505 0.8505 0 0 0
mass 33 0.8505 0.8505 0.8505 0 0 0
mass 34 0.8505 0.8505 0.8505 0 0 0
mass 35 0.8505 0.8505 0.8505 0 0 0
mass 36 0.8505 0.8505 0.8505 0 0 0
mass 37 0.8505 0.8505 0.8505 0 0 0
mass 38 0.8505 0.8505 0.8505 0 0 0
mass 39 0.8505 0.8505 0.8505 0 0 0
mass 40 0.8505 0.8505 0.8505 0 0 0
mass 41 0.8505 0.8505 0.8505 0 0 0
mass 42 0.8505 0.8505 0.8505 0 0 0
mass 43 0.8505 0.8505 0.8505 0 0 0
mass 44 0.8505 0.8505 0.8505 0 0 0
mass 45 0.8505 0.8505 0.8505 0 0 0
mass 46 0.8505 0.8505 0.8505 0 0 0
mass 47 0.8505 0.8505 0.8505 0 0 0
mass 48 0.8505 0.8505 0.8505 0 0 0
mass 49 0.8505 0.8505 0.8505 0 0 0
mass 50 0.8505 0.8505 0.8505 0 0 0
mass 51 0.8505 0.8505 0.8505 0 0 0
mass 52 0.8505 0.8505 0.8505 0 0 0
mass 53 0.8505 0.8505 0.8505 0 0 0
mass 54 0.8505 0.8505 0.8505 0 0 0
mass 55 0.8505 0.8505 0.8505 0 0 0
mass 56 0.8505 0.8505 0.8505 0 0 0
mass 57 0.8505 0.8505 0.8505 0 0 0
mass 58 0.8505 0.8505 0.8505 0 0 0
mass 59 0.8505 0.8505 0.8505 0 0 0
mass 60 0.8505 0.8505 0.8505 0 0 0
mass 61 0.8505 0.8505 0.8505 0 0 0
mass 62 0.8505 0.8505 0.8505 0 0 0
mass 63 0.8505 0.8505 0.8505 0 0 0
mass 64 0.8505 0.8505 0.8505 0 0 0
mass 65 2.9010000000000002 2.9010000000000002 2.9010000000000002 0 0 0
mass 66 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 67 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 68 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 69 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 70 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 71 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 72 2.9010000000000002 2.9010000000000002 2.9010000000000002 0 0 0
mass 73 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 74 4.101 4.101 4.101 0 0 0
mass 75 4.101 4.101 4.101 0 0 0
mass 76 4.101 4.101 4.101 0 0 0
mass 77 4.101 4.101 4.101 0 0 0
mass 78 4.101 4.101 4.101 0 0 0
mass 79 4.101 4.101 4.101 0 0 0
mass 80 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 81 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 82 4.101 4.101 4.101 0 0 0
mass 83 4.101 4.101 4.101 0 0 0
mass 84 4.101 4.101 4.101 0 0 0
mass 85 4.101 4.101 4.101 0 0 0
mass 86 4.101 4.101 4.101 0 0 0
mass 87 4.101 4.101 4.101 0 0 0
mass 88 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 89 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 90 4.101 4.101 4.101 0 0 0
mass 91 4.101 4.101 4.101 0 0 0
mass 92 4.101 4.101 4.101 0 0 0
mass 93 4.101 4.101 4.101 0 0 0
mass 94 4.101 4.101 4.101 0 0 0
mass 95 4.101 4.101 4.101 0 0 0
mass 96 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 97 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 98 4.101 4.101 4.101 0 0 0
mass 99 4.101 4.101 4.101 0 0 0
mass 100 4.101 4.101 4.101 0 0 0
mass 101 4.101 4.101 4.101 0 0 0
mass 102 4.101 4.101 4.101 0 0 0
mass 103 4.101 4.101 4.101 0 0 0
mass 104 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 105 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 106 4.101 4.101 4.101 0 0 0
mass 107 4.101 4.101 4.101 0 0 0
mass 108 4.101 4.101 4.101 0 0 0
mass 109 4.101 4.101 4.101 0 0 0
mass 110 4.101 4.101 4.101 0 0 0
mass 111 4.101 4.101 4.101 0 0 0
mass 112 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 113 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 114 4.101 4.101 4.101 0 0 0
mass 115 4.101 4.101 4.101 0 0 0
mass 116 4.101 4.101 4.101 0 0 0
mass 117 4.101 4.101 4.101 0 0 0
mass 118 4.101 4.101 4.101 0 0 0
mass 119 4.101 4.101 4.101 0 0 0
mass 120 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 121 2.9010000000000002 2.9010000000000002 2.9010000000000002 0 0 0
mass 122 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 123 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 124 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 125 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 126 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 127 3.5010000000000003 3.5010000000000003 3.5010000000000003 0 0 0
mass 128 2.9010000000000002 2.9010000000000002 2.9010000000000002 0 0 0
mass 129 2.0505 2.0505 2.0505 0 0 0
mass 130 2.6505 2.6505 2.6505 0 0 0
mass 131 2.6505 2.6505 2.6505 0 0 0
mass 132 2.6505 2.6505 2.6505 0 0 0
mass 133 2.6505 2.6505 2.6505 0 0 0
mass 134 2.6505 2.6505 2.6505 0 0 0
mass 135 2.6505 2.6505 2.6505 0 0 0
mass 136 12.0505 12.0505 12.0505 0 0 0
mass 137 2.6505 2.6505 2.6505 0 0 0
mass 138 3.2505 3.2505 3.2505 0 0 0
mass 139 3.2505 3.2505 3.2505 0 0 0
mass 140 3.2505 3.2505 3.2505 0 0 0
mass 141 3.2505 3.2505 3.2505 0 0 0
mass 142 3.2505 3.2505 3.2505 0 0 0
mass 143 3.2505 3.2505 3.2505 0 0 0
mass 144 12.6505 12.6505 12.6505 0 0 0
mass 145 2.6505 2.6505 2.6505 0 0 0
mass 146 3.2505 3.2505 3.2505 0 0 0
mass 147 3.2505 3.2505 3.2505 0 0 0
mass 148 3.2505 3.2505 3.2505 0 0 0
mass 149 3.2505 3.2505 3.2505 0 0 0
mass 150 3.2505 3.2505 3.2505 0 0 0
mass 151 3.2505 3.2505 3.2505 0 0 0
mass 152 12.6505 12.6505 12.6505 0 0 0
mass 153 2.6505 2.6505 2.6505 0 0 0
mass 154 3.2505 3.2505 3.2505 0 0 0
mass 155 3.2505 3.2505 3.2505 0 0 0
mass 156 3.2505 3.2505 3.2505 0 0 0
mass 157 3.2505 3.2505 3.2505 0 0 0
mass 158 3.2505 3.2505 3.2505 0 0 0
mass 159 3.2505 3.2505 3.2505 0 0 0
mass 160 12.6505 12.6505 12.6505 0 0 0
mass 161 2.6505 2.6505 2.6505 0 0 0
mass 162 3.2505 3.2505 3.2505 0 0 0
mass 163 3.2505 3.2505 3.2505 0 0 0
mass 164 3.2505 3.2505 3.2505 0 0 0
mass 165 3.2505 3.2505 3.2505 0 0 0
mass 166 3.2505 3.2505 3.2505 0 0 0
mass 167 3.2505 3.2505 3.2505 0 0 0
mass 168 12.6505 12.6505 12.6505 0 0 0
mass 169 2.6505 2.6505 2.6505 0 0 0
mass 170 3.2505 3.2505 3.2505 0 0 0
mass 171 3.2505 3.2505 3.2505 0 0 0
mass 172 3.2505 3.2505 3.2505 0 0 0
mass 173 3.2505 3.2505 3.2505 0 0 0
mass 174 3.2505 3.2505 3.2505 0 0 0
mass 175 3.2505 3.2505 3.2505 0 0 0
mass 176 12.6505 12.6505 12.6505 0 0 0
mass 177 2.6505 2.6505 2.6505 0 0 0
mass 178 3.2505 3.2505 3.2505 0 0 0
mass 179 3.2505 3.2505 3.2505 0 0 0
mass 180 3.2505 3.2505 3.2505 0 0 0
mass 181 3.2505 3.2505 3.2505 0 0 0
mass 182 3.2505 3.2505 3.2505 0 0 0
mass 183 3.2505 3.2505 3.2505 0 0 0
mass 184 12.6505 12.6505 12.6505 0 0 0
mass 185 2.0505 2.0505 2.0505 0 0 0
mass 186 2.6505 2.6505 2.6505 0 0 0
mass 187 2.6505 2.6505 2.6505 0 0 0
mass 188 2.6505 2.6505 2.6505 0 0 0
mass 189 2.6505 2.6505 2.6505 0 0 0
mass 190 2.6505 2.6505 2.6505 0 0 0
mass 191 2.6505 2.6505 2.6505 0 0 0
mass 192 12.0505 12.0505 12.0505 0 0 0
puts "node"
fix 1 1 1 1 1 1 1;
fix 2 1 1 1 1 1 1;
fix 3 1 1 1 1 1 1;
fix 4 1 1 1 1 1 1;
fix 5 1 1 1 1 1 1;
fix 6 1 1 1 1 1 1;
fix 7 1 1 1 1 1 1;
fix 8 1 1 1 1 1 1;
fix 9 1 1 1 1 1 1;
fix 10 1 1 1 1 1 1;
fix 11 1 1 1 1 1 1;
fix 12 1 1 1 1 1 1;
fix 13 1 1 1 1 1 1;
fix 14 1 1 1 1 1 1;
fix 15 1 1 1 1 1 1;
fix 16 1 1 1 1 1 1;
fix 17 1 1 1 1 1 1;
fix 18 1 1 1 1 1 1;
fix 19 1 1 1 1 1 1;
fix 20 1 1 1 1 1 1;
fix 21 1 1 1 1 1 1;
fix 22 1 1 1 1 1 1;
fix 23 1 1 1 1 1 1;
fix 24 1 1 1 1 1 1;
fix 25 1 1 1 1 1 1;
fix 26 1 1 1 1 1 1;
fix 27 1 1 1 1 1 1;
fix 28 1 1 1 1 1 1;
fix 29 1 1 1 1 1 1;
fix 30 1 1 1 1 1 1;
fix 31 1 1 1 1 1 1;
fix 32 1 1 1 1 1 1;
fix 33 1 1 1 1 1 1;
fix 34 1 1 1 1 1 1;
fix 35 1 1 1 1 1 1;
fix 36 1 1 1 1 1 1;
fix 37 1 1 1 1 1 1;
fix 38 1 1 1 1 1 1;
fix 39 1 1 1 1 1 1;
fix 40 1 1 1 1 1 1;
fix 41 1 1 1 1 1 1;
fix 42 1 1 1 1 1 1;
fix 43 1 1 1 1 1 1;
fix 44 1 1 1 1 1 1;
fix 45 1 1 1 1 1 1;
fix 46 1 1 1 1 1 1;
fix 47 1 1 1 1 1 1;
fix 48 1 1 1 1 1 1;
fix 49 1 1 1 1 1 1;
fix 50 1 1 1 1 1 1;
fix 51 1 1 1 1 1 1;
fix 52 1 1 1 1 1 1;
fix 53 1 1 1 1 1 1;
fix 54 1 1 1 1 1 1;
fix 55 1 1 1 1 1 1;
fix 56 1 1 1 1 1 1;
fix 57 1 1 1 1 1 1;
fix 58 1 1 1 1 1 1;
fix 59 1 1 1 1 1 1;
fix 60 1 1 1 1 1 1;
fix 61 1 1 1 1 1 1;
fix 62 1 1 1 1 1 1;
fix 63 1 1 1 1 1 1;
fix 64 1 1 1 1 1 1;
puts "Equal DOF"
puts "material"
uniaxialMaterial Elastic 1 30000
##NCOL 
section Fiber 1 -GJ 7.21880859375e+13 {
fiber -180 -180 8100 1
fiber -90 -180 8100 1
fiber 0 -180 8100 1
fiber 90 -180 8100 1
fiber 180 -180 8100 1
fiber -180 -90 8100 1
fiber -90 -90 8100 1
fiber 0 -90 8100 1
fiber 90 -90 8100 1
fiber 180 -90 8100 1
fiber -180 0 8100 1
fiber -90 0 8100 1
fiber 0 0 8100 1
fiber 90 0 8100 1
fiber 180 0 8100 1
fiber -180 90 8100 1
fiber -90 90 8100 1
fiber 0 90 8100 1
fiber 90 90 8100 1
fiber 180 90 8100 1
fiber -180 180 8100 1
fiber -90 180 8100 1
fiber 0 180 8100 1
fiber 90 180 8100 1
fiber 180 180 8100 1
fiber -190 -190 200 1
fiber -95 -190 200 1
fiber 0 -190 200 1
fiber 95 -190 200 1
fiber 190 -190 200 1
fiber -190 190 200 1
fiber -95 190 200 1
fiber 0 190 200 1
fiber 95 190 200 1
fiber 190 190 200 1
fiber -190 -126.66666666666666 200 1
fiber -190 -63.33333333333333 200 1
fiber -190 0 200 1
fiber -190 63.33333333333334 200 1
fiber -190 126.66666666666669 200 1
fiber 190 -126.66666666666666 200 1
fiber 190 -63.33333333333333 200 1
fiber 190 0 200 1
fiber 190 63.33333333333334 200 1
fiber 190 126.66666666666669 200 1
}

puts "transformation"
geomTransf Linear 1 1 0 0 
geomTransf Linear 2 1 0 0 
geomTransf Linear 3 1 0 0 
geomTransf Linear 4 1 0 0 
geomTransf Linear 5 1 0 0 
geomTransf Linear 6 1 0 0 
geomTransf Linear 7 1 0 0 
geomTransf Linear 8 1 0 0 
geomTransf Linear 9 1 0 0 
geomTransf Linear 10 1 0 0 
geomTransf Linear 11 1 0 0 
geomTransf Linear 12 1 0 0 
geomTransf Linear 13 1 0 0 
geomTransf Linear 14 1 0 0 
geomTransf Linear 15 1 0 0 
geomTransf Linear 16 1 0 0 
geomTransf Linear 17 1 0 0 
geomTransf Linear 18 1 0 0 
geomTransf Linear 19 1 0 0 
geomTransf Linear 20 1 0 0 
geomTransf Linear 21 1 0 0 
geomTransf Linear 22 1 0 0 
geomTransf Linear 23 1 0 0 
geomTransf Linear 24 1 0 0 
geomTransf Linear 25 1 0 0 
geomTransf Linear 26 1 0 0 
geomTransf Linear 27 1 0 0 
geomTransf Linear 28 1 0 0 
geomTransf Linear 29 1 0 0 
geomTransf Linear 30 1 0 0 
geomTransf Linear 31 1 0 0 
geomTransf Linear 32 1 0 0 
geomTransf Linear 33 1 0 0 
geomTransf Linear 34 1 0 0 
geomTransf Linear 35 1 0 0 
geomTransf Linear 36 1 0 0 
geomTransf Linear 37 1 0 0 
geomTransf Linear 38 1 0 0 
geomTransf Linear 39 1 0 0 
geomTransf Linear 40 1 0 0 
geomTransf Linear 41 1 0 0 
geomTransf Linear 42 1 0 0 
geomTransf Linear 43 1 0 0 
geomTransf Linear 44 1 0 0 
geomTransf Linear 45 1 0 0 
geomTransf Linear 46 1 0 0 
geomTransf Linear 47 1 0 0 
geomTransf Linear 48 1 0 0 
geomTransf Linear 49 1 0 0 
geomTransf Linear 50 1 0 0 
geomTransf Linear 51 1 0 0 
geomTransf Linear 52 1 0 0 
geomTransf Linear 53 1 0 0 
geomTransf Linear 54 1 0 0 
geomTransf Linear 55 1 0 0 
geomTransf Linear 56 1 0 0 
geomTransf Linear 57 1 0 0 
geomTransf Linear 58 1 0 0 
geomTransf Linear 59 1 0 0 
geomTransf Linear 60 1 0 0 
geomTransf Linear 61 1 0 0 
geomTransf Linear 62 1 0 0 
geomTransf Linear 63 1 0 0 
geomTransf Linear 64 1 0 0 
geomTransf Linear 65 1 0 0 
geomTransf Linear 66 1 0 0 
geomTransf Linear 67 1 0 0 
geomTransf Linear 68 1 0 0 
geomTransf Linear 69 1 0 0 
geomTransf Linear 70 1 0 0 
geomTransf Linear 71 1 0 0 
geomTransf Linear 72 1 0 0 
geomTransf Linear 73 1 0 0 
geomTransf Linear 74 1 0 0 
geomTransf Linear 75 1 0 0 
geomTransf Linear 76 1 0 0 
geomTransf Linear 77 1 0 0 
geomTransf Linear 78 1 0 0 
geomTransf Linear 79 1 0 0 
geomTransf Linear 80 1 0 0 
geomTransf Linear 81 1 0 0 
geomTransf Linear 82 1 0 0 
geomTransf Linear 83 1 0 0 
geomTransf Linear 84 1 0 0 
geomTransf Linear 85 1 0 0 
geomTransf Linear 86 1 0 0 
geomTransf Linear 87 1 0 0 
geomTransf Linear 88 1 0 0 
geomTransf Linear 89 1 0 0 
geomTransf Linear 90 1 0 0 
geomTransf Linear 91 1 0 0 
geomTransf Linear 92 1 0 0 
geomTransf Linear 93 1 0 0 
geomTransf Linear 94 1 0 0 
geomTransf Linear 95 1 0 0 
geomTransf Linear 96 1 0 0 
geomTransf Linear 97 1 0 0 
geomTransf Linear 98 1 0 0 
geomTransf Linear 99 1 0 0 
geomTransf Linear 100 1 0 0 
geomTransf Linear 101 1 0 0 
geomTransf Linear 102 1 0 0 
geomTransf Linear 103 1 0 0 
geomTransf Linear 104 1 0 0 
geomTransf Linear 105 1 0 0 
geomTransf Linear 106 1 0 0 
geomTransf Linear 107 1 0 0 
geomTransf Linear 108 1 0 0 
geomTransf Linear 109 1 0 0 
geomTransf Linear 110 1 0 0 
geomTransf Linear 111 1 0 0 
geomTransf Linear 112 1 0 0 
geomTransf Linear 113 1 0 0 
geomTransf Linear 114 1 0 0 
geomTransf Linear 115 1 0 0 
geomTransf Linear 116 1 0 0 
geomTransf Linear 117 1 0 0 
geomTransf Linear 118 1 0 0 
geomTransf Linear 119 1 0 0 
geomTransf Linear 120 1 0 0 
geomTransf Linear 121 1 0 0 
geomTransf Linear 122 1 0 0 
geomTransf Linear 123 1 0 0 
geomTransf Linear 124 1 0 0 
geomTransf Linear 125 1 0 0 
geomTransf Linear 126 1 0 0 
geomTransf Linear 127 1 0 0 
geomTransf Linear 128 1 0 0 
geomTransf Linear 129 0 0 1 
geomTransf Linear 130 0 0 1 
geomTransf Linear 131 0 0 1 
geomTransf Linear 132 0 0 1 
geomTransf Linear 133 0 0 1 
geomTransf Linear 134 0 0 1 
geomTransf Linear 135 0 0 1 
geomTransf Linear 136 0 0 1 
geomTransf Linear 137 0 0 1 
geomTransf Linear 138 0 0 1 
geomTransf Linear 139 0 0 1 
geomTransf Linear 140 0 0 1 
geomTransf Linear 141 0 0 1 
geomTransf Linear 142 0 0 1 
geomTransf Linear 143 0 0 1 
geomTransf Linear 144 0 0 1 
geomTransf Linear 145 0 0 1 
geomTransf Linear 146 0 0 1 
geomTransf Linear 147 0 0 1 
geomTransf Linear 148 0 0 1 
geomTransf Linear 149 0 0 1 
geomTransf Linear 150 0 0 1 
geomTransf Linear 151 0 0 1 
geomTransf Linear 152 0 0 1 
geomTransf Linear 153 0 0 1 
geomTransf Linear 154 0 0 1 
geomTransf Linear 155 0 0 1 
geomTransf Linear 156 0 0 1 
geomTransf Linear 157 0 0 1 
geomTransf Linear 158 0 0 1 
geomTransf Linear 159 0 0 1 
geomTransf Linear 160 0 0 1 
geomTransf Linear 161 0 0 1 
geomTransf Linear 162 0 0 1 
geomTransf Linear 163 0 0 1 
geomTransf Linear 164 0 0 1 
geomTransf Linear 165 0 0 1 
geomTransf Linear 166 0 0 1 
geomTransf Linear 167 0 0 1 
geomTransf Linear 168 0 0 1 
geomTransf Linear 169 0 0 1 
geomTransf Linear 170 0 0 1 
geomTransf Linear 171 0 0 1 
geomTransf Linear 172 0 0 1 
geomTransf Linear 173 0 0 1 
geomTransf Linear 174 0 0 1 
geomTransf Linear 175 0 0 1 
geomTransf Linear 176 0 0 1 
geomTransf Linear 177 0 0 1 
geomTransf Linear 178 0 0 1 
geomTransf Linear 179 0 0 1 
geomTransf Linear 180 0 0 1 
geomTransf Linear 181 0 0 1 
geomTransf Linear 182 0 0 1 
geomTransf Linear 183 0 0 1 
geomTransf Linear 184 0 0 1 
geomTransf Linear 185 0 0 1 
geomTransf Linear 186 0 0 1 
geomTransf Linear 187 0 0 1 
geomTransf Linear 188 0 0 1 
geomTransf Linear 189 0 0 1 
geomTransf Linear 190 0 0 1 
geomTransf Linear 191 0 0 1 
geomTransf Linear 192 0 0 1 
geomTransf Linear 193 0 0 1 
geomTransf Linear 194 0 0 1 
geomTransf Linear 195 0 0 1 
geomTransf Linear 196 0 0 1 
geomTransf Linear 197 0 0 1 
geomTransf Linear 198 0 0 1 
geomTransf Linear 199 0 0 1 
geomTransf Linear 200 0 0 1 
geomTransf Linear 201 0 0 1 
geomTransf Linear 202 0 0 1 
geomTransf Linear 203 0 0 1 
geomTransf Linear 204 0 0 1 
geomTransf Linear 205 0 0 1 
geomTransf Linear 206 0 0 1 
geomTransf Linear 207 0 0 1 
geomTransf Linear 208 0 0 1 
geomTransf Linear 209 0 0 1 
geomTransf Linear 210 0 0 1 
geomTransf Linear 211 0 0 1 
geomTransf Linear 212 0 0 1 
geomTransf Linear 213 0 0 1 
geomTransf Linear 214 0 0 1 
geomTransf Linear 215 0 0 1 
geomTransf Linear 216 0 0 1 
geomTransf Linear 217 0 0 1 
geomTransf Linear 218 0 0 1 
geomTransf Linear 219 0 0 1 
geomTransf Linear 220 0 0 1 
geomTransf Linear 221 0 0 1 
geomTransf Linear 222 0 0 1 
geomTransf Linear 223 0 0 1 
geomTransf Linear 224 0 0 1 
geomTransf Linear 225 0 0 1 
geomTransf Linear 226 0 0 1 
geomTransf Linear 227 0 0 1 
geomTransf Linear 228 0 0 1 
geomTransf Linear 229 0 0 1 
geomTransf Linear 230 0 0 1 
geomTransf Linear 231 0 0 1 
geomTransf Linear 232 0 0 1 
geomTransf Linear 233 0 0 1 
geomTransf Linear 234 0 0 1 
geomTransf Linear 235 0 0 1 
geomTransf Linear 236 0 0 1 
geomTransf Linear 237 0 0 1 
geomTransf Linear 238 0 0 1 
geomTransf Linear 239 0 0 1 
geomTransf Linear 240 0 0 1 
geomTransf Linear 241 0 0 1 
geomTransf Linear 242 0 0 1 
geomTransf Linear 243 0 0 1 
geomTransf Linear 244 0 0 1 
geomTransf Linear 245 0 0 1 
geomTransf Linear 246 0 0 1 
geomTransf Linear 247 0 0 1 
geomTransf Linear 248 0 0 1 
geomTransf Linear 249 0 0 1 
geomTransf Linear 250 0 0 1 
geomTransf Linear 251 0 0 1 
geomTransf Linear 252 0 0 1 
geomTransf Linear 253 0 0 1 
geomTransf Linear 254 0 0 1 
geomTransf Linear 255 0 0 1 
geomTransf Linear 256 0 0 1 
geomTransf Linear 257 0 0 1 
geomTransf Linear 258 0 0 1 
geomTransf Linear 259 0 0 1 
geomTransf Linear 260 0 0 1 
geomTransf Linear 261 0 0 1 
geomTransf Linear 262 0 0 1 
geomTransf Linear 263 0 0 1 
geomTransf Linear 264 0 0 1 
geomTransf Linear 265 0 0 1 
geomTransf Linear 266 0 0 1 
geomTransf Linear 267 0 0 1 
geomTransf Linear 268 0 0 1 
geomTransf Linear 269 0 0 1 
geomTransf Linear 270 0 0 1 
geomTransf Linear 271 0 0 1 
geomTransf Linear 272 0 0 1 
geomTransf Linear 273 0 0 1 
geomTransf Linear 274 0 0 1 
geomTransf Linear 275 0 0 1 
geomTransf Linear 276 0 0 1 
geomTransf Linear 277 0 0 1 
geomTransf Linear 278 0 0 1 
geomTransf Linear 279 0 0 1 
geomTransf Linear 280 0 0 1 
geomTransf Linear 281 0 0 1 
geomTransf Linear 282 0 0 1 
geomTransf Linear 283 0 0 1 
geomTransf Linear 284 0 0 1 
geomTransf Linear 285 0 0 1 
geomTransf Linear 286 0 0 1 
geomTransf Linear 287 0 0 1 
geomTransf Linear 288 0 0 1 
geomTransf Linear 289 0 0 1 
geomTransf Linear 290 0 0 1 
geomTransf Linear 291 0 0 1 
geomTransf Linear 292 0 0 1 
geomTransf Linear 293 0 0 1 
geomTransf Linear 294 0 0 1 
geomTransf Linear 295 0 0 1 
geomTransf Linear 296 0 0 1 
geomTransf Linear 297 0 0 1 
geomTransf Linear 298 0 0 1 
geomTransf Linear 299 0 0 1 
geomTransf Linear 300 0 0 1 
geomTransf Linear 301 0 0 1 
geomTransf Linear 302 0 0 1 
geomTransf Linear 303 0 0 1 
geomTransf Linear 304 0 0 1 
geomTransf Linear 305 0 0 1 
geomTransf Linear 306 0 0 1 
geomTransf Linear 307 0 0 1 
geomTransf Linear 308 0 0 1 
geomTransf Linear 309 0 0 1 
geomTransf Linear 310 0 0 1 
geomTransf Linear 311 0 0 1 
geomTransf Linear 312 0 0 1 
geomTransf Linear 313 0 0 1 
geomTransf Linear 314 0 0 1 
geomTransf Linear 315 0 0 1 
geomTransf Linear 316 0 0 1 
geomTransf Linear 317 0 0 1 
geomTransf Linear 318 0 0 1 
geomTransf Linear 319 0 0 1 
geomTransf Linear 320 0 0 1 
geomTransf Linear 321 0 0 1 
geomTransf Linear 322 0 0 1 
geomTransf Linear 323 0 0 1 
geomTransf Linear 324 0 0 1 
geomTransf Linear 325 0 0 1 
geomTransf Linear 326 0 0 1 
geomTransf Linear 327 0 0 1 
geomTransf Linear 328 0 0 1 
geomTransf Linear 329 0 0 1 
geomTransf Linear 330 0 0 1 
geomTransf Linear 331 0 0 1 
geomTransf Linear 332 0 0 1 
geomTransf Linear 333 0 0 1 
geomTransf Linear 334 0 0 1 
geomTransf Linear 335 0 0 1 
geomTransf Linear 336 0 0 1 
geomTransf Linear 337 0 0 1 
geomTransf Linear 338 0 0 1 
geomTransf Linear 339 0 0 1 
geomTransf Linear 340 0 0 1 
geomTransf Linear 341 0 0 1 
geomTransf Linear 342 0 0 1 
geomTransf Linear 343 0 0 1 
geomTransf Linear 344 0 0 1 
geomTransf Linear 345 0 0 1 
geomTransf Linear 346 0 0 1 
geomTransf Linear 347 0 0 1 
geomTransf Linear 348 0 0 1 
geomTransf Linear 349 0 0 1 
geomTransf Linear 350 0 0 1 
geomTransf Linear 351 0 0 1 
geomTransf Linear 352 0 0 1 
puts "element"
element nonlinearBeamColumn 1 1 65 4 1 1
element nonlinearBeamColumn 2 2 66 4 1 2
element nonlinearBeamColumn 3 3 67 4 1 3
element nonlinearBeamColumn 4 4 68 4 1 4
element nonlinearBeamColumn 5 5 69 4 1 5
element nonlinearBeamColumn 6 6 70 4 1 6
element nonlinearBeamColumn 7 7 71 4 1 7
element nonlinearBeamColumn 8 8 72 4 1 8
element nonlinearBeamColumn 9 9 73 4 1 9
element nonlinearBeamColumn 10 10 74 4 1 10
element nonlinearBeamColumn 11 11 75 4 1 11
element nonlinearBeamColumn 12 12 76 4 1 12
element nonlinearBeamColumn 13 13 77 4 1 13
element nonlinearBeamColumn 14 14 78 4 1 14
element nonlinearBeamColumn 15 15 79 4 1 15
element nonlinearBeamColumn 16 16 80 4 1 16
element nonlinearBeamColumn 17 17 81 4 1 17
element nonlinearBeamColumn 18 18 82 4 1 18
element nonlinearBeamColumn 19 19 83 4 1 19
element nonlinearBeamColumn 20 20 84 4 1 20
element nonlinearBeamColumn 21 21 85 4 1 21
element nonlinearBeamColumn 22 22 86 4 1 22
element nonlinearBeamColumn 23 23 87 4 1 23
element nonlinearBeamColumn 24 24 88 4 1 24
element nonlinearBeamColumn 25 25 89 4 1 25
element nonlinearBeamColumn 26 26 90 4 1 26
element nonlinearBeamColumn 27 27 91 4 1 27
element nonlinearBeamColumn 28 28 92 4 1 28
element nonlinearBeamColumn 29 29 93 4 1 29
element nonlinearBeamColumn 30 30 94 4 1 30
element nonlinearBeamColumn 31 31 95 4 1 31
element nonlinearBeamColumn 32 32 96 4 1 32
element nonlinearBeamColumn 33 33 97 4 1 33
element nonlinearBeamColumn 34 34 98 4 1 34
element nonlinearBeamColumn 35 35 99 4 1 35
element nonlinearBeamColumn 36 36 100 4 1 36
element nonlinearBeamColumn 37 37 101 4 1 37
element nonlinearBeamColumn 38 38 102 4 1 38
element nonlinearBeamColumn 39 39 103 4 1 39
element nonlinearBeamColumn 40 40 104 4 1 40
element nonlinearBeamColumn 41 41 105 4 1 41
element nonlinearBeamColumn 42 42 106 4 1 42
element nonlinearBeamColumn 43 43 107 4 1 43
element nonlinearBeamColumn 44 44 108 4 1 44
element nonlinearBeamColumn 45 45 109 4 1 45
element nonlinearBeamColumn 46 46 110 4 1 46
element nonlinearBeamColumn 47 47 111 4 1 47
element nonlinearBeamColumn 48 48 112 4 1 48
element nonlinearBeamColumn 49 49 113 4 1 49
element nonlinearBeamColumn 50 50 114 4 1 50
element nonlinearBeamColumn 51 51 115 4 1 51
element nonlinearBeamColumn 52 52 116 4 1 52
element nonlinearBeamColumn 53 53 117 4 1 53
element nonlinearBeamColumn 54 54 118 4 1 54
element nonlinearBeamColumn 55 55 119 4 1 55
element nonlinearBeamColumn 56 56 120 4 1 56
element nonlinearBeamColumn 57 57 121 4 1 57
element nonlinearBeamColumn 58 58 122 4 1 58
element nonlinearBeamColumn 59 59 123 4 1 59
element nonlinearBeamColumn 60 60 124 4 1 60
element nonlinearBeamColumn 61 61 125 4 1 61
element nonlinearBeamColumn 62 62 126 4 1 62
element nonlinearBeamColumn 63 63 127 4 1 63
element nonlinearBeamColumn 64 64 128 4 1 64
element nonlinearBeamColumn 65 65 129 4 1 65
element nonlinearBeamColumn 66 66 130 4 1 66
element nonlinearBeamColumn 67 67 131 4 1 67
element nonlinearBeamColumn 68 68 132 4 1 68
element nonlinearBeamColumn 69 69 133 4 1 69
element nonlinearBeamColumn 70 70 134 4 1 70
element nonlinearBeamColumn 71 71 135 4 1 71
element nonlinearBeamColumn 72 72 136 4 1 72
element nonlinearBeamColumn 73 73 137 4 1 73
element nonlinearBeamColumn 74 74 138 4 1 74
element nonlinearBeamColumn 75 75 139 4 1 75
element nonlinearBeamColumn 76 76 140 4 1 76
element nonlinearBeamColumn 77 77 141 4 1 77
element nonlinearBeamColumn 78 78 142 4 1 78
element nonlinearBeamColumn 79 79 143 4 1 79
element nonlinearBeamColumn 80 80 144 4 1 80
element nonlinearBeamColumn 81 81 145 4 1 81
element nonlinearBeamColumn 82 82 146 4 1 82
element nonlinearBeamColumn 83 83 147 4 1 83
element nonlinearBeamColumn 84 84 148 4 1 84
element nonlinearBeamColumn 85 85 149 4 1 85
element nonlinearBeamColumn 86 86 150 4 1 86
element nonlinearBeamColumn 87 87 151 4 1 87
element nonlinearBeamColumn 88 88 152 4 1 88
element nonlinearBeamColumn 89 89 153 4 1 89
element nonlinearBeamColumn 90 90 154 4 1 90
element nonlinearBeamColumn 91 91 155 4 1 91
element nonlinearBeamColumn 92 92 156 4 1 92
element nonlinearBeamColumn 93 93 157 4 1 93
element nonlinearBeamColumn 94 94 158 4 1 94
element nonlinearBeamColumn 95 95 159 4 1 95
element nonlinearBeamColumn 96 96 160 4 1 96
element nonlinearBeamColumn 97 97 161 4 1 97
element nonlinearBeamColumn 98 98 162 4 1 98
element nonlinearBeamColumn 99 99 163 4 1 99
element nonlinearBeamColumn 100 100 164 4 1 100
element nonlinearBeamColumn 101 101 165 4 1 101
element nonlinearBeamColumn 102 102 166 4 1 102
element nonlinearBeamColumn 103 103 167 4 1 103
element nonlinearBeamColumn 104 104 168 4 1 104
element nonlinearBeamColumn 105 105 169 4 1 105
element nonlinearBeamColumn 106 106 170 4 1 106
element nonlinearBeamColumn 107 107 171 4 1 107
element nonlinearBeamColumn 108 108 172 4 1 108
element nonlinearBeamColumn 109 109 173 4 1 109
element nonlinearBeamColumn 110 110 174 4 1 110
element nonlinearBeamColumn 111 111 175 4 1 111
element nonlinearBeamColumn 112 112 176 4 1 112
element nonlinearBeamColumn 113 113 177 4 1 113
element nonlinearBeamColumn 114 114 178 4 1 114
element nonlinearBeamColumn 115 115 179 4 1 115
element nonlinearBeamColumn 116 116 180 4 1 116
element nonlinearBeamColumn 117 117 181 4 1 117
element nonlinearBeamColumn 118 118 182 4 1 118
element nonlinearBeamColumn 119 119 183 4 1 119
element nonlinearBeamColumn 120 120 184 4 1 120
element nonlinearBeamColumn 121 121 185 4 1 121
element nonlinearBeamColumn 122 122 186 4 1 122
element nonlinearBeamColumn 123 123 187 4 1 123
element nonlinearBeamColumn 124 124 188 4 1 124
element nonlinearBeamColumn 125 125 189 4 1 125
element nonlinearBeamColumn 126 126 190 4 1 126
element nonlinearBeamColumn 127 127 191 4 1 127
element nonlinearBeamColumn 128 128 192 4 1 128
element elasticBeamColumn 129 65 66 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 129
element elasticBeamColumn 130 66 67 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 130
element elasticBeamColumn 131 67 68 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 131
element elasticBeamColumn 132 68 69 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 132
element elasticBeamColumn 133 69 70 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 133
element elasticBeamColumn 134 70 71 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 134
element elasticBeamColumn 135 71 72 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 135
element elasticBeamColumn 136 73 74 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 136
element elasticBeamColumn 137 74 75 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 137
element elasticBeamColumn 138 75 76 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 138
element elasticBeamColumn 139 76 77 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 139
element elasticBeamColumn 140 77 78 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 140
element elasticBeamColumn 141 78 79 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 141
element elasticBeamColumn 142 79 80 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 142
element elasticBeamColumn 143 81 82 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 143
element elasticBeamColumn 144 82 83 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 144
element elasticBeamColumn 145 83 84 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 145
element elasticBeamColumn 146 84 85 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 146
element elasticBeamColumn 147 85 86 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 147
element elasticBeamColumn 148 86 87 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 148
element elasticBeamColumn 149 87 88 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 149
element elasticBeamColumn 150 89 90 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 150
element elasticBeamColumn 151 90 91 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 151
element elasticBeamColumn 152 91 92 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 152
element elasticBeamColumn 153 92 93 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 153
element elasticBeamColumn 154 93 94 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 154
element elasticBeamColumn 155 94 95 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 155
element elasticBeamColumn 156 95 96 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 156
element elasticBeamColumn 157 97 98 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 157
element elasticBeamColumn 158 98 99 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 158
element elasticBeamColumn 159 99 100 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 159
element elasticBeamColumn 160 100 101 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 160
element elasticBeamColumn 161 101 102 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 161
element elasticBeamColumn 162 102 103 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 162
element elasticBeamColumn 163 103 104 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 163
element elasticBeamColumn 164 105 106 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 164
element elasticBeamColumn 165 106 107 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 165
element elasticBeamColumn 166 107 108 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 166
element elasticBeamColumn 167 108 109 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 167
element elasticBeamColumn 168 109 110 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 168
element elasticBeamColumn 169 110 111 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 169
element elasticBeamColumn 170 111 112 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 170
element elasticBeamColumn 171 113 114 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 171
element elasticBeamColumn 172 114 115 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 172
element elasticBeamColumn 173 115 116 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 173
element elasticBeamColumn 174 116 117 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 174
element elasticBeamColumn 175 117 118 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 175
element elasticBeamColumn 176 118 119 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 176
element elasticBeamColumn 177 119 120 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 177
element elasticBeamColumn 178 121 122 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 178
element elasticBeamColumn 179 122 123 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 179
element elasticBeamColumn 180 123 124 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 180
element elasticBeamColumn 181 124 125 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 181
element elasticBeamColumn 182 125 126 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 182
element elasticBeamColumn 183 126 127 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 183
element elasticBeamColumn 184 127 128 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 184
element elasticBeamColumn 185 65 73 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 185
element elasticBeamColumn 186 66 74 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 186
element elasticBeamColumn 187 67 75 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 187
element elasticBeamColumn 188 68 76 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 188
element elasticBeamColumn 189 69 77 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 189
element elasticBeamColumn 190 70 78 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 190
element elasticBeamColumn 191 71 79 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 191
element elasticBeamColumn 192 72 80 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 192
element elasticBeamColumn 193 73 81 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 193
element elasticBeamColumn 194 74 82 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 194
element elasticBeamColumn 195 75 83 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 195
element elasticBeamColumn 196 76 84 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 196
element elasticBeamColumn 197 77 85 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 197
element elasticBeamColumn 198 78 86 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 198
element elasticBeamColumn 199 79 87 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 199
element elasticBeamColumn 200 80 88 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 200
element elasticBeamColumn 201 81 89 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 201
element elasticBeamColumn 202 82 90 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 202
element elasticBeamColumn 203 83 91 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 203
element elasticBeamColumn 204 84 92 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 204
element elasticBeamColumn 205 85 93 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 205
element elasticBeamColumn 206 86 94 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 206
element elasticBeamColumn 207 87 95 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 207
element elasticBeamColumn 208 88 96 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 208
element elasticBeamColumn 209 89 97 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 209
element elasticBeamColumn 210 90 98 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 210
element elasticBeamColumn 211 91 99 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 211
element elasticBeamColumn 212 92 100 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 212
element elasticBeamColumn 213 93 101 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 213
element elasticBeamColumn 214 94 102 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 214
element elasticBeamColumn 215 95 103 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 215
element elasticBeamColumn 216 96 104 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 216
element elasticBeamColumn 217 97 105 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 217
element elasticBeamColumn 218 98 106 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 218
element elasticBeamColumn 219 99 107 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 219
element elasticBeamColumn 220 100 108 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 220
element elasticBeamColumn 221 101 109 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 221
element elasticBeamColumn 222 102 110 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 222
element elasticBeamColumn 223 103 111 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 223
element elasticBeamColumn 224 104 112 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 224
element elasticBeamColumn 225 105 113 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 225
element elasticBeamColumn 226 106 114 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 226
element elasticBeamColumn 227 107 115 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 227
element elasticBeamColumn 228 108 116 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 228
element elasticBeamColumn 229 109 117 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 229
element elasticBeamColumn 230 110 118 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 230
element elasticBeamColumn 231 111 119 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 231
element elasticBeamColumn 232 112 120 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 232
element elasticBeamColumn 233 113 121 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 233
element elasticBeamColumn 234 114 122 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 234
element elasticBeamColumn 235 115 123 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 235
element elasticBeamColumn 236 116 124 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 236
element elasticBeamColumn 237 117 125 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 237
element elasticBeamColumn 238 118 126 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 238
element elasticBeamColumn 239 119 127 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 239
element elasticBeamColumn 240 120 128 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 240
element elasticBeamColumn 241 129 130 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 241
element elasticBeamColumn 242 130 131 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 242
element elasticBeamColumn 243 131 132 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 243
element elasticBeamColumn 244 132 133 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 244
element elasticBeamColumn 245 133 134 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 245
element elasticBeamColumn 246 134 135 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 246
element elasticBeamColumn 247 135 136 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 247
element elasticBeamColumn 248 137 138 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 248
element elasticBeamColumn 249 138 139 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 249
element elasticBeamColumn 250 139 140 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 250
element elasticBeamColumn 251 140 141 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 251
element elasticBeamColumn 252 141 142 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 252
element elasticBeamColumn 253 142 143 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 253
element elasticBeamColumn 254 143 144 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 254
element elasticBeamColumn 255 145 146 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 255
element elasticBeamColumn 256 146 147 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 256
element elasticBeamColumn 257 147 148 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 257
element elasticBeamColumn 258 148 149 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 258
element elasticBeamColumn 259 149 150 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 259
element elasticBeamColumn 260 150 151 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 260
element elasticBeamColumn 261 151 152 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 261
element elasticBeamColumn 262 153 154 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 262
element elasticBeamColumn 263 154 155 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 263
element elasticBeamColumn 264 155 156 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 264
element elasticBeamColumn 265 156 157 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 265
element elasticBeamColumn 266 157 158 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 266
element elasticBeamColumn 267 158 159 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 267
element elasticBeamColumn 268 159 160 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 268
element elasticBeamColumn 269 161 162 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 269
element elasticBeamColumn 270 162 163 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 270
element elasticBeamColumn 271 163 164 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 271
element elasticBeamColumn 272 164 165 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 272
element elasticBeamColumn 273 165 166 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 273
element elasticBeamColumn 274 166 167 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 274
element elasticBeamColumn 275 167 168 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 275
element elasticBeamColumn 276 169 170 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 276
element elasticBeamColumn 277 170 171 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 277
element elasticBeamColumn 278 171 172 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 278
element elasticBeamColumn 279 172 173 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 279
element elasticBeamColumn 280 173 174 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 280
element elasticBeamColumn 281 174 175 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 281
element elasticBeamColumn 282 175 176 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 282
element elasticBeamColumn 283 177 178 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 283
element elasticBeamColumn 284 178 179 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 284
element elasticBeamColumn 285 179 180 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 285
element elasticBeamColumn 286 180 181 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 286
element elasticBeamColumn 287 181 182 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 287
element elasticBeamColumn 288 182 183 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 288
element elasticBeamColumn 289 183 184 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 289
element elasticBeamColumn 290 185 186 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 290
element elasticBeamColumn 291 186 187 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 291
element elasticBeamColumn 292 187 188 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 292
element elasticBeamColumn 293 188 189 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 293
element elasticBeamColumn 294 189 190 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 294
element elasticBeamColumn 295 190 191 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 295
element elasticBeamColumn 296 191 192 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 296
element elasticBeamColumn 297 129 137 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 297
element elasticBeamColumn 298 130 138 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 298
element elasticBeamColumn 299 131 139 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 299
element elasticBeamColumn 300 132 140 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 300
element elasticBeamColumn 301 133 141 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 301
element elasticBeamColumn 302 134 142 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 302
element elasticBeamColumn 303 135 143 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 303
element elasticBeamColumn 304 136 144 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 304
element elasticBeamColumn 305 137 145 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 305
element elasticBeamColumn 306 138 146 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 306
element elasticBeamColumn 307 139 147 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 307
element elasticBeamColumn 308 140 148 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 308
element elasticBeamColumn 309 141 149 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 309
element elasticBeamColumn 310 142 150 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 310
element elasticBeamColumn 311 143 151 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 311
element elasticBeamColumn 312 144 152 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 312
element elasticBeamColumn 313 145 153 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 313
element elasticBeamColumn 314 146 154 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 314
element elasticBeamColumn 315 147 155 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 315
element elasticBeamColumn 316 148 156 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 316
element elasticBeamColumn 317 149 157 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 317
element elasticBeamColumn 318 150 158 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 318
element elasticBeamColumn 319 151 159 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 319
element elasticBeamColumn 320 152 160 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 320
element elasticBeamColumn 321 153 161 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 321
element elasticBeamColumn 322 154 162 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 322
element elasticBeamColumn 323 155 163 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 323
element elasticBeamColumn 324 156 164 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 324
element elasticBeamColumn 325 157 165 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 325
element elasticBeamColumn 326 158 166 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 326
element elasticBeamColumn 327 159 167 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 327
element elasticBeamColumn 328 160 168 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 328
element elasticBeamColumn 329 161 169 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 329
element elasticBeamColumn 330 162 170 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 330
element elasticBeamColumn 331 163 171 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 331
element elasticBeamColumn 332 164 172 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 332
element elasticBeamColumn 333 165 173 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 333
element elasticBeamColumn 334 166 174 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 334
element elasticBeamColumn 335 167 175 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 335
element elasticBeamColumn 336 168 176 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 336
element elasticBeamColumn 337 169 177 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 337
element elasticBeamColumn 338 170 178 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 338
element elasticBeamColumn 339 171 179 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 339
element elasticBeamColumn 340 172 180 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 340
element elasticBeamColumn 341 173 181 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 341
element elasticBeamColumn 342 174 182 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 342
element elasticBeamColumn 343 175 183 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 343
element elasticBeamColumn 344 176 184 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 344
element elasticBeamColumn 345 177 185 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 345
element elasticBeamColumn 346 178 186 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 346
element elasticBeamColumn 347 179 187 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 347
element elasticBeamColumn 348 180 188 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 348
element elasticBeamColumn 349 181 189 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 349
element elasticBeamColumn 350 182 190 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 350
element elasticBeamColumn 351 183 191 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 351
element elasticBeamColumn 352 184 192 125000 30000 12500 1.7881266276041667e+09 2.6041666666666665e+09 6.510416666666666e+08 352
puts "shell element"
puts "SOLID element"
puts "recorder"
recorder Node -file node0.out -time -nodeRange 1 100 -dof 1 2 3 disp
recorder Node -file node1.out -time -nodeRange 101 192 -dof 1 2 3 disp
recorder Element -file ele1.out -time -eleRange 1 100 localForce
recorder Element -file ele2.out -time -eleRange 101 200 localForce
recorder Element -file ele3.out -time -eleRange 201 300 localForce
recorder Element -file ele0.out -time -eleRange 301 352 localForce
recorder Element -file ele1_secs.out -time -eleRange 1 100 section 1 deformation
recorder Element -file ele2_secs.out -time -eleRange 101 200 section 1 deformation
recorder Element -file ele3_secs.out -time -eleRange 201 300 section 1 deformation
recorder Element -file ele0_secs.out -time -eleRange 301 352 section 1 deformation
recorder Element -file ele1_secn.out -time -eleRange 1 100 section 4 deformation
recorder Element -file ele2_secn.out -time -eleRange 101 200 section 4 deformation
recorder Element -file ele3_secn.out -time -eleRange 201 300 section 4 deformation
recorder Element -file ele0_secn.out -time -eleRange 301 352 section 4 deformation
recorder Element -file ele1_fib1.out -time -eleRange 1 100 section 1 fiberData
recorder Element -file ele2_fib1.out -time -eleRange 101 200 section 1 fiberData
recorder Element -file ele1_fib2.out -time -eleRange 1 100 section 2 fiberData
recorder Element -file ele2_fib2.out -time -eleRange 101 200 section 2 fiberData
recorder Element -file ele1_fib3.out -time -eleRange 1 100 section 3 fiberData
recorder Element -file ele2_fib3.out -time -eleRange 101 200 section 3 fiberData
recorder Element -file ele1_fib4.out -time -eleRange 1 100 section 4 fiberData
recorder Element -file ele2_fib4.out -time -eleRange 101 200 section 4 fiberData
recorder Node -file eigen1_node0.out -time -nodeRange 1 100 -dof 1 2 3 "eigen 1"
recorder Node -file eigen1_node1.out -time -nodeRange 101 192 -dof 1 2 3 "eigen 1"
recorder Node -file eigen2_node0.out -time -nodeRange 1 100 -dof 1 2 3 "eigen 2"
recorder Node -file eigen2_node1.out -time -nodeRange 101 192 -dof 1 2 3 "eigen 2"
set numModes 12
set lambda [eigen  $numModes]
set period "Periods.txt"
set Periods [open $period "w"]
puts $Periods " $lambda"
close $Periods
record
