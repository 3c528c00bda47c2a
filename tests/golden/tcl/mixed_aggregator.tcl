wipe
puts "System"
model basic -ndm 3 -ndf 6
puts "restraint"
node 1 0 0 0
node 2 5000 0 0
node 3 0 4000 0
node 4 5000 4000 0
node 5 0 0 3000
node 6 5000 0 3000
node 7 0 4000 3000
node 8 5000 4000 3000
node 9 2500 2000 3000
node 10 1234.6 0 0
node 11 1234.6 0 0
node 12 5000 4000 0
puts "rigidDiaphragm"
rigidDiaphragm 3 9 5
rigidDiaphragm 3 9 6
rigidDiaphragm 3 9 7
rigidDiaphragm 3 9 8
puts "mass"
mass 1 0.7416639975565802 0.7416639975565802 0.7416639975565802 0 0 0
mass 2 0.9387498388417767 0.9387498388417767 0.9387498388417767 0 0 0
mass 3 3.5472187500000003 3.5472187500000003 3.5472187500000003 0 0 0
mass 4 4.142843750000001 4.142843750000001 4.142843750000001 0 0 0
mass 5 4.538024 4.538024 4.538024 0 0 0
mass 6 4.664 4.664 3.414 0 0 0
mass 7 5.828533788841777 5.828533788841777 5.828533788841777 0 0 0
mass 8 6.604532747556581 6.604532747556581 6.604532747556581 0 0 0
mass 10 0.32998380000000005 0.32998380000000005 0.32998380000000005 0 0 0
mass 11 0.05887500000000001 0.05887500000000001 0.05887500000000001 0 0 0
mass 12 0.019625000000000004 0.019625000000000004 0.019625000000000004 0 0 0
puts "node"
fix 9 0 0 1 1 1 0
fix 1 1 1 1 1 1 1;
fix 2 1 1 1 0 0 0;
fix 3 1 1 1 1 1 1;
fix 4 0 0 1 0 0 0;
fix 10 1 1 1 1 1 1;
puts "Equal DOF"
equalDOF 10 11 1 2 3
equalDOF 4 12 1 2 3
puts "material"
uniaxialMaterial Elastic 1 200000
uniaxialMaterial Elastic 2 30000
uniaxialMaterial Elastic 3 70000
uniaxialMaterial Elastic 201 1.6666666666666667e+09
uniaxialMaterial Elastic 301 1.6666666666666667e+09
uniaxialMaterial Elastic 401 4.506666666666667e+13
uniaxialMaterial Elastic 202 1.3020833333333335e+09
uniaxialMaterial Elastic 302 1.3020833333333335e+09
uniaxialMaterial Elastic 402 2.2351582845052086e+13
uniaxialMaterial Elastic 203 2.5641025641025645e+08
uniaxialMaterial Elastic 303 5.128205128205129e+08
uniaxialMaterial Elastic 403 9.23076923076923e+10
uniaxialMaterial Elastic 204 4.615384615384615e+08
uniaxialMaterial Elastic 304 3.692307692307692e+08
uniaxialMaterial Elastic 404 1.1868131868131867e+13
uniaxialMaterial Elastic 205 4.5915584937081593e+08
uniaxialMaterial Elastic 305 4.5915584937081593e+08
uniaxialMaterial Elastic 405 4.155360436805884e+12
uniaxialMaterial Elastic 206 1.3157894736842105e+08
uniaxialMaterial Elastic 306 1.3157894736842105e+08
uniaxialMaterial Elastic 406 4.1118421052631577e+12
uniaxialMaterial Elastic 207 0
uniaxialMaterial Elastic 307 0
uniaxialMaterial Elastic 407 0
uniaxialMaterial Elastic 208 6.410256410256411e+08
uniaxialMaterial Elastic 308 6.410256410256411e+08
uniaxialMaterial Elastic 408 1.0833333333333334e+12
uniaxialMaterial Elastic 209 6.250000000000001e+08
uniaxialMaterial Elastic 309 6.250000000000001e+08
uniaxialMaterial Elastic 409 5.869135802469136e+12
##NCOL400 
section Fiber 1 -GJ 4.506666666666667e+13 {
fiber -133.33333333333331 -150 13333.333333333334 2
fiber 0 -150 13333.333333333334 2
fiber 133.33333333333337 -150 13333.333333333334 2
fiber -133.33333333333331 -50 13333.333333333334 2
fiber 0 -50 13333.333333333334 2
fiber 133.33333333333337 -50 13333.333333333334 2
fiber -133.33333333333331 50 13333.333333333334 2
fiber 0 50 13333.333333333334 2
fiber 133.33333333333337 50 13333.333333333334 2
fiber -133.33333333333331 150 13333.333333333334 2
fiber 0 150 13333.333333333334 2
fiber 133.33333333333337 150 13333.333333333334 2
fiber -165 -165 200 1
fiber -82.5 -165 200 1
fiber 0 -165 200 1
fiber 82.5 -165 200 1
fiber 165 -165 200 1
fiber -165 165 200 1
fiber -82.5 165 200 1
fiber 0 165 200 1
fiber 82.5 165 200 1
fiber 165 165 200 1
fiber -165 -110 200 1
fiber -165 -55 200 1
fiber -165 0 200 1
fiber -165 55 200 1
fiber -165 110 200 1
fiber 165 -110 200 1
fiber 165 -55 200 1
fiber 165 0 200 1
fiber 165 55 200 1
fiber 165 110 200 1
}
##DBEAM 
section Fiber 2 -GJ 2.2351582845052086e+13 {
fiber -100 -200 5000 2
fiber -50 -200 5000 2
fiber 0 -200 5000 2
fiber 50 -200 5000 2
fiber 100 -200 5000 2
fiber -100 -100 5000 2
fiber -50 -100 5000 2
fiber 0 -100 5000 2
fiber 50 -100 5000 2
fiber 100 -100 5000 2
fiber -100 0 5000 2
fiber -50 0 5000 2
fiber 0 0 5000 2
fiber 50 0 5000 2
fiber 100 0 5000 2
fiber -100 100 5000 2
fiber -50 100 5000 2
fiber 0 100 5000 2
fiber 50 100 5000 2
fiber 100 100 5000 2
fiber -100 200 5000 2
fiber -50 200 5000 2
fiber 0 200 5000 2
fiber 50 200 5000 2
fiber 100 200 5000 2
fiber -90 215 300 1
fiber 0 215 300 1
fiber 90 215 300 1
fiber -90 -215 300 1
fiber 90 -215 300 1
}
##HGIRDER 
section Fiber 3 -GJ 9.23076923076923e+10 {
fiber -80 -190 800 1
fiber -40 -190 800 1
fiber 0 -190 800 1
fiber 40 -190 800 1
fiber 80 -190 800 1
fiber -80 190 800 1
fiber -40 190 800 1
fiber 0 190 800 1
fiber 40 190 800 1
fiber 80 190 800 1
fiber 0 -144 720 1
fiber 0 -72 720 1
fiber 0 0 720 1
fiber 0 72 720 1
fiber 0 144 720 1
}
##TPIPE 
section Fiber 5 -GJ 4.155360436805884e+12 {
fiber 95 0 746.1282552275759 1
fiber 67.17514421272202 67.175144212722 746.1282552275759 1
fiber 0 95 746.1282552275759 1
fiber -67.175144212722 67.17514421272202 746.1282552275759 1
fiber -95 0 746.1282552275759 1
fiber -67.17514421272203 -67.175144212722 746.1282552275759 1
fiber 0 -95 746.1282552275759 1
fiber 67.175144212722 -67.17514421272203 746.1282552275759 1
}
##CBOX 
section Fiber 6 -GJ 4.1118421052631577e+12 {
fiber -100 -120 500 3
fiber -50 -120 500 3
fiber 0 -120 500 3
fiber 50 -120 500 3
fiber 100 -120 500 3
fiber -100 120 500 3
fiber -50 120 500 3
fiber 0 120 500 3
fiber 50 120 500 3
fiber 100 120 500 3
fiber -120 -92 460 3
fiber -120 -46 460 3
fiber -120 0 460 3
fiber -120 46 460 3
fiber -120 92 460 3
fiber 120 -92 460 3
fiber 120 -46 460 3
fiber 120 0 460 3
fiber 120 46 460 3
fiber 120 92 460 3
}
##NCIRC 
section Fiber 7 -GJ 0 {
}
section Aggregator 1001 201 Vy 301 Vz 401 T -section 1
section Aggregator 1002 202 Vy 302 Vz 402 T -section 2
section Aggregator 1003 203 Vy 303 Vz 403 T -section 3
section Aggregator 1007 207 Vy 307 Vz 407 T -section 7

nDMaterial ElasticIsotropic 1 200000 0.3
nDMaterial ElasticIsotropic 2 30000 0.2
##SLAB150 
nDMaterial PlateFiber 601 2
section PlateFiber 701 601 150
##WALL120 
nDMaterial PlateFiber 602 1
section PlateFiber 702 602 120.5
puts "transformation"
geomTransf PDelta 1 1 0 0 
geomTransf PDelta 2 0 1 0 
geomTransf Linear 3 1 0 0 
geomTransf PDelta 4 -1 0 0 
geomTransf Linear 5 0 0 1 
geomTransf Corotational 6 0 -0.49999999999999994 0.8660254037844387 
geomTransf Linear 7 0 0 1 
geomTransf Linear 8 0 0 1 
geomTransf Linear 12 0 0 1 
puts "element"
element nonlinearBeamColumn 1 1 5 3 1001 1
element nonlinearBeamColumn 2 2 6 3 1001 2
element nonlinearBeamColumn 3 3 7 3 1007 3
element nonlinearBeamColumn 4 8 4 3 1001 4
element dispBeamColumn 5 5 6 3 1002 5
element beamWithHinges 6 7 8 1003 350.6 1003 400 200000 11600 2.67e+07 3.421333333333333e+08 76923.07692307692 1.2e+06 6 
element elasticBeamColumn 7 5 7 10320 200000 76923.07692307692 1.5428571428571427e+08 1.445328e+08 7.015e+07 7
element elasticBeamColumn 8 6 8 60000 30000 12500 4.6953086419753087e+08 4.5e+08 2e+08 8
element trussSection 9 1 8 5
element corotTrussSection 10 2 7 6
element zeroLength 11 11 10 -mat 1 1 1 -dir 4 5 6
element elasticBeamColumn 12 10 2 60000 30000 12500 4.6953086419753087e+08 4.5e+08 2e+08 12
element zeroLength 13 4 12 -mat 1 1 1 -dir 4 5 6
puts "shell element"
element ShellMITC4 14 5 6 8 7 701
element ShellMITC4 16 3 4 8 7 702
puts "SOLID element"
puts "recorder"
recorder Node -file node0.out -time -nodeRange 1 12 -dof 1 2 3 disp
puts "loading"
## Load Case = DEAD
pattern Plain 1 Linear {
eleLoad -ele 5 -type -beamUniform 0 -30 0
eleLoad -ele 6 -type -beamUniform 7.5 0 0
eleLoad -ele 7 -type -beamUniform 0 0 12.5
load 9 0 0 -50000 0 0 1.5e+06
}
puts "analysis"
constraints Transformation
numberer RCM
system UmfPack
test EnergyIncr 1.0e-6 200
algorithm Newton
integrator LoadControl 1.000E-002
analysis Static
analyze 100
