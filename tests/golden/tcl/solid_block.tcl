wipe
puts "System"
model basic -ndm 3 -ndf 3
puts "restraint"
node 1 0 0 0
node 2 1000 0 0
node 3 0 1000 0
node 4 1000 1000 0
node 5 0 0 1000
node 6 1000 0 1000
node 7 0 1000 1000
node 8 1000 1000 1000
node 9 0 0 2000
node 10 1000 0 2000
node 11 0 1000 2000
node 12 1000 1000 2000
puts "rigidDiaphragm"
puts "mass"
mass 1 0.9812500000000001 0.9812500000000001 0.9812500000000001
mass 2 0.9812500000000001 0.9812500000000001 0.9812500000000001
mass 3 0.9812500000000001 0.9812500000000001 0.9812500000000001
mass 4 0.9812500000000001 0.9812500000000001 0.9812500000000001
mass 5 1.9625 1.9625 1.9625
mass 6 1.9625 1.9625 1.9625
mass 7 1.9625 1.9625 1.9625
mass 8 1.9625 1.9625 1.9625
mass 9 0.98125 0.98125 0.98125
mass 10 0.98125 0.98125 0.98125
mass 11 0.98125 0.98125 0.98125
mass 12 0.98125 0.98125 0.98125
puts "node"
fix 1 1 1 1;
fix 2 1 1 1;
fix 3 1 1 1;
fix 4 1 1 1;
puts "Equal DOF"
puts "material"
uniaxialMaterial Elastic 1 200000

puts "transformation"
puts "element"
puts "shell element"
puts "SOLID element"
nDMaterial ElasticIsotropic 100 200000 0.3
element stdBrick 1 1 2 4 3 5 6 8 7 100
element stdBrick 2 5 6 8 7 9 10 12 11 100
puts "recorder"
recorder Node -file node0.out -time -nodeRange 1 12 -dof 1 2 3 disp
puts "loading"
## Load Case = TOP
pattern Plain 1 Linear {
load 9 0 0 -10000
load 10 0 0 -10000
load 11 0 0 -10000
load 12 0 0 -10000
}
puts "analysis"
constraints Plain
numberer RCM
system UmfPack
test EnergyIncr 1.0e-6 200
algorithm ModifiedNewton -factorOnce
integrator LoadControl 1.000E-002
analysis Static
analyze 100
